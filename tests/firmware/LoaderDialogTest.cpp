// The firmware load dialog on the offscreen platform, loading through a real
// pseudo-terminal into the simulated bootstrap loader.

#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>

#include "tests/support/LoaderTestSupport.h"
#include "tests/support/UiTestSupport.h"
#include "ui/shell/LogView.h"
#include "ui/firmware/McuLoaderDialog.h"

namespace {

SimOptions FlashingTo(const char* version) {
  SimOptions options;
  options.loader.flashVersion = QString::fromLatin1(version);
  return options;
}

// The one button: Cancel while the load runs, then Close.
QPushButton& CloseButton(CMcuLoaderDialog& dialog) { return Child<QPushButton>(dialog); }
QString Log(CMcuLoaderDialog& dialog) { return Child<CLogView>(dialog).toPlainText(); }

bool WaitForEnd(CMcuLoaderDialog& dialog) {
  return WaitFor([&] { return CloseButton(dialog).text() == QStringLiteral("Close"); }, 60000);
}

// Answers the next message box with a button once it is up; what it asked,
// with "(No)" when No is its default.
void AnswerNextBox(QMessageBox::StandardButton button, QString& asked) {
  OnNextModal<QMessageBox>([button, &asked](QMessageBox& box) {
    asked = box.windowTitle() + u'|' + box.text() + (box.defaultButton() == box.button(QMessageBox::No) ? "(No)" : "");
    box.button(button)->click();
  });
}

}  // namespace

TEST(LoaderDialog, WithTraceALoadShowsItsLinesAndStaysOpen) {
  LoaderFixture f(FlashingTo("01.06"));
  f.Model().Trace.Set(1);
  CMcuLoaderDialog dialog(f.Model(), f.WriteImage(0xBE8));
  dialog.show();
  ASSERT_TRUE(WaitForEnd(dialog));
  EXPECT_TRUE(dialog.isVisible());
  const QString text = Log(dialog);
  EXPECT_TRUE(text.contains(QStringLiteral("LoadFirmwareInitial Send 132 bytes 0x")));
  EXPECT_TRUE(text.endsWith(QStringLiteral("MCU firmware load is complete\nClick \"Close\" to close this window")))
      << text.right(200).toStdString();
  auto& progress = Child<QProgressBar>(dialog);
  EXPECT_EQ(progress.value(), progress.maximum());
  CloseButton(dialog).click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(LoaderDialog, WithoutTraceSuccessClosesAndAMismatchStays) {
  for (const char* flashed : {"01.06", "01.07"}) {
    const bool good = QByteArray(flashed) == "01.06";
    LoaderFixture f(FlashingTo(flashed));
    CMcuLoaderDialog dialog(f.Model(), f.WriteImage(0xBE8));
    dialog.show();
    if (good) {
      ASSERT_TRUE(WaitFor([&] { return !dialog.isVisible(); }, 60000));
      EXPECT_EQ(dialog.result(), QDialog::Accepted);
      continue;
    }
    ASSERT_TRUE(WaitForEnd(dialog));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(Log(dialog).contains("verif", Qt::CaseInsensitive)) << Log(dialog).toStdString();
    CloseButton(dialog).click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
  }
}

TEST(LoaderDialog, CancelAsksAndYesAbandonsTheLoad) {
  // The loader rejects a packet until a resynchronisation of 132 polls: the
  // user asks while it runs.
  SimOptions options;
  options.loader.rejectAddress = 0x980;
  options.loader.rejectCount = 5;
  LoaderFixture f(options, kSearchTime);
  CMcuLoaderDialog dialog(f.Model(), f.WriteImage(0x4000));
  dialog.show();
  ASSERT_TRUE(WaitFor([&] { return f.Sim().Loader().Taken().endsWith(";;"); }, 30000));

  QString asked;
  AnswerNextBox(QMessageBox::No, asked);
  CloseButton(dialog).click();
  EXPECT_EQ(asked, "Critical Operation in Progress|"
                   "Are you sure you wish to close the Utility while sending firmware?(No)");
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_NE(f.Model().ActiveMachine, nullptr);

  AnswerNextBox(QMessageBox::Yes, asked);
  CloseButton(dialog).click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(Log(dialog).contains(QStringLiteral("The ZU6400 is left in its bootstrap loader")));
  EXPECT_EQ(f.Model().ActiveMachine, nullptr);
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusLoader);
}
