#include "ui/firmware/FtpDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>

#include "base/StringTable.h"
#include "base/TextFormat.h"
#include "firmware/FirmwareFolderScan.h"
#include "model/ModelBase.h"
#include "ui/shell/DialogLayout.h"
#include "ui/shell/LogView.h"
#include "ui/shell/UserPrompts.h"

CFtpDialog::CFtpDialog(QWidget* parent, CModelBase& model, QString folder, FirmwareFolderScan& scan)
    : QDialog(parent),
      m_model(model),
      m_folder(std::move(folder)),
      m_log(new CLogView(this)),
      m_button(new QPushButton(tr("Cancel"), this)),
      m_download(model.Run.firmwareServer, m_folder, scan, model.Trace.Get() != 0) {
  setWindowTitle(LoadString(Str::FtpDialogTitle));
  m_log->setAccessibleName(windowTitle());
  m_log->setReadOnly(true);
  m_log->setFont(CLogView::LogFont());
  m_log->setLineWrapMode(QTextEdit::NoWrap);
  m_button->setAutoDefault(false);
  LayOutLogWindow(*this, *m_log, *m_button);
  resize(560, 320);
  connect(m_button, &QPushButton::clicked, this, &CFtpDialog::OnButton);
  connect(&m_download, &CFirmwareDownload::Line, this, &CFtpDialog::OnLine);
  connect(&m_download, &CFirmwareDownload::Finished, this, &CFtpDialog::OnFinished);
}

CFtpDialog::~CFtpDialog() = default;

void CFtpDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (m_started) return;
  m_started = true;
  // Once the window is on screen, so that a question has it as its parent.
  QTimer::singleShot(0, this, &CFtpDialog::Begin);
}

bool CFtpDialog::EnsureFolder() {
  const QString notFolder = FolderIsNoFolderText(m_folder);
  if (!notFolder.isEmpty()) {
    m_model.MessageBoxAndLog(LoadString(Str::ErrorTitle), notFolder, BoxIcon::Error);
    return false;
  }
  while (!QFileInfo(m_folder).isDir()) {
    const QString text = FormatString(Str::CreateFolderQuestion, QDir::toNativeSeparators(m_folder));
    if (!CUserPrompts::Current().Confirm(this, LoadString(Str::CreateFolderTitle), text)) return false;
    QDir().mkpath(m_folder);
  }
  return true;
}

void CFtpDialog::Begin() {
  if (!EnsureFolder()) {
    done(kFailed);
    return;
  }
  setCursor(Qt::WaitCursor);
  m_button->setCursor(Qt::ArrowCursor);
  m_download.Start();
}

void CFtpDialog::OnButton() {
  if (m_download.Busy())
    m_download.Cancel();
  else
    done(ResultFor(m_download.Result()));
}

void CFtpDialog::reject() {
  if (!m_download.Busy()) done(ResultFor(m_download.Result()));
}

int CFtpDialog::ResultFor(ResultCode code) const {
  if (code == Result::Success) return Accepted;
  return code == Result::Cancelled ? Rejected : kFailed;
}

void CFtpDialog::OnLine(const QString& text, DownloadLog where) {
  m_log->AppendLogLine(text);
  if (where == DownloadLog::Both) m_model.LogText(text);
}

void CFtpDialog::OnFinished(ResultCode code) {
  unsetCursor();
  if (code == Result::Cancelled || (code == Result::Success && m_model.Trace.Get() == 0)) {
    done(ResultFor(code));
    return;
  }
  m_button->setText(LoadString(Str::CloseButton));
  const QString line = LoadString(Str::ClickCloseToClose);
  m_log->AppendLogLine(line);
  m_model.LogText(line);
}
