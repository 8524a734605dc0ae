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

// A contacted loader that reports the version flashed after a load, and the
// dialog on an image named 01.06.
class LoaderDialogTest : public ::testing::Test {
 protected:
  CMcuLoaderDialog& Open(const char* flashed, bool trace, std::vector<PaceRule> pace = {}, SimOptions options = {}) {
    options.loader.flashVersion = QString::fromLatin1(flashed);
    m_dialog.reset();
    m_fixture.reset();  // one model at a time
    m_fixture = std::make_unique<LoaderFixture>(std::move(options));
    m_fixture->Pace(LoadPace(std::move(pace)));
    m_fixture->Model().Trace.Set(trace ? 1 : 0);
    m_dialog = std::make_unique<CMcuLoaderDialog>(m_fixture->Model(), m_fixture->WriteImage(0xBE8));
    m_dialog->show();
    return *m_dialog;
  }
  // The one button: Cancel while the load runs, then Close.
  QPushButton& CloseButton() { return Child<QPushButton>(*m_dialog); }
  QString Log() { return Child<CLogView>(*m_dialog).toPlainText(); }
  bool WaitForEnd() {
    return WaitFor([&] { return CloseButton().text() == QStringLiteral("Close"); }, 60000);
  }

  std::unique_ptr<LoaderFixture> m_fixture;
  std::unique_ptr<CMcuLoaderDialog> m_dialog;  // goes before the fixture's model
};

// Answers the next message box with a button once it is up; what it asked,
// with "(No)" when No is its default.
void AnswerNextBox(QMessageBox::StandardButton button, QString& asked) {
  OnNextModal<QMessageBox>([button, &asked](QMessageBox& box) {
    asked = box.windowTitle() + u'|' + box.text() + (box.defaultButton() == box.button(QMessageBox::No) ? "(No)" : "");
    box.button(button)->click();
  });
}

}  // namespace

TEST_F(LoaderDialogTest, WithTraceALoadShowsItsLinesAndStaysOpen) {
  CMcuLoaderDialog& dialog = Open("01.06", true);
  ASSERT_TRUE(WaitForEnd());
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(Log().contains(QStringLiteral("LoadFirmwareInitial Send 132 bytes 0x")));
  EXPECT_TRUE(Log().endsWith(QStringLiteral("MCU firmware load is complete\nClick \"Close\" to close this window")))
      << Log().right(200).toStdString();
  auto& progress = Child<QProgressBar>(dialog);
  EXPECT_EQ(progress.value(), progress.maximum());
  CloseButton().click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(LoaderDialogTest, AMismatchStaysOpenAndWithoutTraceASuccessCloses) {
  CMcuLoaderDialog& mismatch = Open("01.07", true);
  ASSERT_TRUE(WaitForEnd());
  EXPECT_TRUE(mismatch.isVisible());
  EXPECT_TRUE(Log().contains("verif", Qt::CaseInsensitive)) << Log().toStdString();
  CloseButton().click();
  EXPECT_EQ(mismatch.result(), QDialog::Rejected);

  // From the loader: without Trace no pace rule sees the pause after "lpf;".
  SimOptions inLoader;
  inLoader.loader.startInLoader = true;
  CMcuLoaderDialog& good = Open("01.06", false, {}, inLoader);
  ASSERT_TRUE(WaitFor([&] { return !good.isVisible(); }, 60000));
  EXPECT_EQ(good.result(), QDialog::Accepted);
}

TEST_F(LoaderDialogTest, CancelAsksAndYesAbandonsTheLoad) {
  // The loader rejects a packet until a resynchronisation of 132 polls at
  // real time: the user asks while it runs.
  SimOptions options;
  options.loader.rejectAddress = 0x900;
  options.loader.rejectCount = 5;
  CMcuLoaderDialog& dialog = Open("01.06", true, {{"ResyncInitial send ;", 1}}, options);
  CTunerModel& model = m_fixture->Model();
  ASSERT_TRUE(WaitFor([&] { return m_fixture->Sim().Loader().Taken().endsWith(";;"); }, 30000));

  QString asked;
  AnswerNextBox(QMessageBox::No, asked);
  CloseButton().click();
  EXPECT_EQ(asked, "Critical Operation in Progress|"
                   "Are you sure you wish to close the Utility while sending firmware?(No)");
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_NE(model.ActiveMachine, nullptr);

  AnswerNextBox(QMessageBox::Yes, asked);
  CloseButton().click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(Log().contains(QStringLiteral("The ZU6400 is left in its bootstrap loader")));
  EXPECT_EQ(model.ActiveMachine, nullptr);
  EXPECT_EQ(model.FirmwareStatus.Get(), FirmwareStatusLoader);
}
