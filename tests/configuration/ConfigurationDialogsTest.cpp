// The save, restore, fault table and erase-memory windows offscreen,
// on a model contacted with the simulated tuner, questions and file choices
// answered in place of a person.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "tests/support/UiTestSupport.h"
#include "ui/operate/BandGroup.h"
#include "ui/configuration/ConfigRestoreDialog.h"
#include "ui/configuration/ConfigSaveDialog.h"
#include "ui/configuration/EraseMemoryDialog.h"
#include "ui/configuration/FaultTableDialog.h"

namespace {

// The restarting tuner is deaf for a fifth of the shortened reset.
constexpr unsigned kRestartTime = 30;

// The pace set by the lines logged: the reset passes at once, a search runs at
// real time, everything after a connection faster, its replies still in time.
const std::vector<PaceRule> kLogPace{
    {"Waiting", kRestartTime}, {"Attempting to contact", 1}, {"Connected to", kAnsweredTime}};

class DialogFixture : public ModelFixture {
 public:
  DialogFixture() : ModelFixture(Options()) {
    UiFixture::SaveSetting("ConfigurationFolder", folder.path());
    if (!ContactAndWait()) ADD_FAILURE() << "no contact";
  }
  static SimOptions Options() {
    SimOptions options = Firmware("01.39");
    options.restartMs = 3000 / kRestartTime / 5;
    return options;
  }
  bool WaitClosed(QDialog& dialog) { return WaitFor([&] { return !dialog.isVisible(); }, 30000); }

  QTemporaryDir folder;
  CPromptAnswers answers;
  CPacer pacer{kLogPace, CPacer::EveryWindow};
};

TEST(ConfigSaveDialog, WritesTheFileKeepsItsFolderAndTheRestoreOfItRunsOnWhenNotCancelled) {
  DialogFixture f;
  QDir(f.folder.path()).mkdir("other");
  const QString path = f.answers.file = f.folder.filePath("other/tuner.ZU6400Config");
  auto save = std::make_unique<CConfigSaveDialog>();
  save->show();
  ASSERT_TRUE(f.WaitClosed(*save));
  EXPECT_EQ(save->result(), QDialog::Accepted);
  EXPECT_TRUE(f.answers.offered.startsWith(f.folder.path() + "/SN01234."));
  EXPECT_EQ(f.Recorder().CountLinesContaining("Configuration was saved to " + path), 1);
  save.reset();  // the folder is kept as the window goes
  EXPECT_EQ(UiFixture::Setting("ConfigurationFolder").toString(), f.folder.filePath("other"));

  f.Sim().ClearReceived();
  CConfigRestoreDialog restore;
  restore.show();
  ASSERT_TRUE(WaitFor([&] { return f.Sim().Received().count("ews") > 10; }, 30000));
  Button(restore, QDialogButtonBox::Cancel).click();  // and No to the question
  ASSERT_EQ(f.answers.questions.size(), 1);
  EXPECT_TRUE(f.answers.questions[0].startsWith("Critical Operation in Progress: "));
  EXPECT_TRUE(restore.isVisible());
  ASSERT_TRUE(f.WaitClosed(restore));
  EXPECT_EQ(restore.result(), QDialog::Accepted);
  EXPECT_EQ(f.Recorder().CountLinesContaining("Configuration was restored from " + path), 1);
}

TEST(ConfigSaveDialog, AFailedWriteLeavesTheWindowOpenWithClose) {
  DialogFixture f;
  f.answers.file = f.folder.filePath("missing/folder/tuner.ZU6400Config");
  CConfigSaveDialog dialog;
  dialog.show();
  ASSERT_TRUE(WaitFor([&] { return f.Recorder().CountLinesContaining("Failed to save configuration") == 1; }, 30000));
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(f.Recorder().Count(Msg::MessageBox), 1);
  EXPECT_FALSE(f.Sim().Received().contains("erp")) << "a folder that is not there is found before the tuner is read";
}

TEST(FaultTableDialog, ListsTheSeededLogNewestFirst) {
  DialogFixture f;
  CFaultTableDialog dialog;
  dialog.show();
  auto& list = Child<QTreeWidget>(dialog);
  ASSERT_TRUE(WaitFor([&] { return list.topLevelItemCount() == 6; }, 30000));
  // The rows copy as CSV.
  for (QPushButton* button : dialog.findChildren<QPushButton*>())
    if (button->text() == "&Copy") button->click();
  const QStringList csv = QGuiApplication::clipboard()->text().split("\r\n");
  EXPECT_EQ(csv.mid(0, 2), (QStringList{"Index,Time On,Fault Code,Variable Data",
                                        "4,02:02:02,01 - No match,F 7100 VFWD 250 VRFL 110 SWR 3.09 SWRB 4.00"}));
}

TEST(EraseMemoryDialog, ErasingOnAllBandsAsksFirstAndLogsWhatWasErased) {
  DialogFixture f;
  f.Sim().Live().Modify([](SimLive& live) { live.frequency = 7100; });
  CEraseMemoryDialog dialog;
  dialog.show();
  // The tuner is on 40 m.
  ASSERT_TRUE(WaitFor([&] { return Child<QAbstractButton>(dialog, "band3").isChecked(); }, 10000));
  Child<QAbstractButton>(dialog, QStringLiteral("band%1").arg(kAllBands)).click();
  f.answers.yes = true;
  Child<QPushButton>(dialog, "eraseAntenna3").click();
  EXPECT_TRUE(f.answers.questions.value(0).endsWith(
      ": Erase the tuning memories of antenna 3 on all bands? This cannot be undone."));
  ASSERT_TRUE(WaitFor([&] { return f.Recorder().CountLinesContaining("ATU memory erased Band All Antenna 3") == 1; },
                      10000));
}

}  // namespace
