#include "ui/FaultTableDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QShowEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/StringTable.h"
#include "machines/TunerModel.h"
#include "ui/Accessible.h"

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
  m_list->header()->setStretchLastSection(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close | QDialogButtonBox::Help, this);
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
}
