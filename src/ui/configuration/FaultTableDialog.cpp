#include "ui/configuration/FaultTableDialog.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "base/AtomicFileWriter.h"
#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "machines/connection/TunerModel.h"
#include "model/ModelReportSink.h"
#include "ui/shell/Accessible.h"

namespace {
enum Column { IndexColumn, TimeColumn, FaultColumn, DataColumn, ColumnCount };
}

CFaultTableDialog::CFaultTableDialog(QWidget* parent)
    : CJobDialog(LoadString(Str::FaultTableTitle), QStringLiteral("Configuration.htm#FaultTable"), parent),
      m_machine(GetModel()),
      m_list(new QTreeWidget(this)) {
  m_list->setRootIsDecorated(false);
  m_list->setUniformRowHeights(true);
  m_list->setColumnCount(ColumnCount);
  // The headers' spaces keep the columns from getting narrower than they are.
  m_list->setHeaderLabels({LoadString(Str::FaultColumnIndex), LoadString(Str::FaultColumnTimeOn),
                           LoadString(Str::FaultColumnCode), LoadString(Str::FaultColumnData)});
  for (int column : {IndexColumn, TimeColumn})
    m_list->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
  // Every column as wide as it needs; a narrow window scrolls rather than cut the data.
  m_list->header()->setStretchLastSection(false);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close | QDialogButtonBox::Help, this);
  connect(buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole), &QPushButton::clicked, this,
          &CFaultTableDialog::CopyRows);
  connect(buttons->addButton(tr("&Save As..."), QDialogButtonBox::ActionRole), &QPushButton::clicked, this,
          &CFaultTableDialog::SaveRowsAs);
  GiveMnemonics(*buttons);
  m_list->setAccessibleName(windowTitle());
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_list);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::helpRequested, this, &CJobDialog::ShowHelp);
  setSizeGripEnabled(true);
  const int em = fontMetrics().averageCharWidth();
  resize(em * 100, fontMetrics().height() * 24);
}

void CFaultTableDialog::showEvent(QShowEvent* event) {
  CJobDialog::showEvent(event);
  if (event->spontaneous()) return;
  Activate(m_machine);
  if (m_machine.StartReading()) RunStarted();
}

void CFaultTableDialog::OnMachineFinished(ResultCode result) {
  RunEnded();
  if (result == Result::Success) {
    Fill();
  } else if (result == Result::Cancelled) {
    FinishLater(QDialog::Rejected);
  } else {
    GetModel().MessageBoxAndLog(LoadString(Str::FaultTableErrorTitle), ErrorText(result), BoxIcon::Error);
    FinishLater(3);
  }
}

void CFaultTableDialog::Fill() {
  m_list->setUpdatesEnabled(false);
  m_list->clear();
  QList<QTreeWidgetItem*> items;
  for (const FaultRow& row : m_machine.Rows()) {
    auto* item = new QTreeWidgetItem({QStringLiteral("%1").arg(row.index, 3), row.timeOn, row.fault, row.data});
    for (int column : {IndexColumn, TimeColumn}) item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    items.append(item);
  }
  m_list->addTopLevelItems(items);
  // Each column as wide as its widest cell or its header, whichever is wider.
  for (int column = 0; column < ColumnCount; ++column) m_list->resizeColumnToContents(column);
  m_list->setUpdatesEnabled(true);
  // The window grows to show the rows whole, as far as the screen allows.
  int width = m_list->frameWidth() * 2 + m_list->verticalScrollBar()->sizeHint().width();
  for (int column = 0; column < ColumnCount; ++column) width += m_list->columnWidth(column);
  const int wanted = this->width() + width - m_list->width();
  const int available = screen() != nullptr ? screen()->availableGeometry().width() : wanted;
  if (wanted > this->width()) resize(std::min(wanted, available), height());
}

void CFaultTableDialog::CopyRows() { QGuiApplication::clipboard()->setText(FaultRowsCsv(m_machine.Rows())); }

bool CFaultTableDialog::SaveRows(const QString& path) {
  CModelReportSink sink(GetModel());
  CAtomicFileWriter writer(LoadString(Str::FaultTableErrorTitle), sink);
  return writer.Open(path) && writer.WriteBytes(FaultRowsCsv(m_machine.Rows()).toUtf8()) && writer.Commit();
}

void CFaultTableDialog::SaveRowsAs() {
  const QString name = Format("%s faults S/N %05u.csv", ModelName(), unsigned{GetModel().SerialNumber.Get()});
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString path = QFileDialog::getSaveFileName(this, tr("Save Fault Table"), QDir(folder).filePath(name),
                                                    tr("CSV files (*.csv);;All files (*)"));
  if (!path.isEmpty()) SaveRows(path);
}
