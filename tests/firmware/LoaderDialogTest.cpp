// The firmware load dialog on the offscreen platform, loading through a real
// pseudo-terminal into the simulated bootstrap loader. The load itself has
// the loader machine's tests; a load that closes by itself runs from the
// Firmware page's tests.

#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

#include "tests/support/LoaderTestSupport.h"
#include "tests/support/UiTestSupport.h"
#include "ui/shell/LogView.h"
#include "ui/firmware/McuLoaderDialog.h"

namespace {

// Answers the next message box with a button once it is up; what it asked,
// with "(No)" when No is its default.
void AnswerNextBox(QMessageBox::StandardButton button, QString& asked) {
  OnNextModal<QMessageBox>([button, &asked](QMessageBox& box) {
    asked = box.windowTitle() + u'|' + box.text() + (box.defaultButton() == box.button(QMessageBox::No) ? "(No)" : "");
    box.button(button)->click();
  });
}

// With Trace the dialog shows the load's lines; its one button cancels only
// once the user says Yes, and leaves the tuner in its loader.
TEST(LoaderDialog, WithTraceItShowsTheLinesAndCancelAsksBeforeItAbandonsTheLoad) {
  // The loader rejects a packet until a resynchronisation of 132 polls at
  // real time: the user asks while it runs.
  SimOptions options;
  options.loader.flashVersion = QStringLiteral("01.06");
  options.loader.rejectAddress = 0x900;
  options.loader.rejectCount = 5;
  LoaderFixture f(std::move(options));
  f.Pace(LoadPace({{"ResyncInitial send ;", 1}}));
  f.Model().Trace.Set(1);
  CMcuLoaderDialog dialog(f.Model(), f.WriteImage(0xBE8));
  dialog.show();
  ASSERT_TRUE(WaitFor([&] { return f.Sim().Loader().Taken().endsWith(";;"); }, 30000));
  const QString log = Child<CLogView>(dialog).toPlainText();
  EXPECT_TRUE(log.contains(QStringLiteral("LoadFirmwareInitial Send 132 bytes 0x"))) << log.toStdString();

  QString asked;
  auto& cancel = Child<QPushButton>(dialog);
  AnswerNextBox(QMessageBox::No, asked);
  cancel.click();
  EXPECT_EQ(asked, "Critical Operation in Progress|"
                   "Are you sure you wish to close the Utility while sending firmware?(No)");
  EXPECT_TRUE(dialog.isVisible());

  AnswerNextBox(QMessageBox::Yes, asked);
  cancel.click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(Child<CLogView>(dialog).toPlainText().contains("The ZU6400 is left in its bootstrap loader"));
  EXPECT_EQ(f.Model().FirmwareStatus.Get(), FirmwareStatusLoader);
}

}  // namespace
