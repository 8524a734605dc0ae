// The desktop program for screen readers and in other languages: every
// control of every page and dialog has a name and no window repeats an
// Alt+letter, in English and in German; started in German, the program
// speaks German.

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <gtest/gtest.h>
#include <memory>
#include <set>

#include "tests/support/UiTestSupport.h"
#include "app/UtilityProgram.h"
#include "base/TextFormat.h"
#include "firmware/FirmwareFolderScan.h"
#include "machines/connection/TunerModel.h"
#include "ui/shell/AboutDialog.h"
#include "ui/tester/CommandTesterPage.h"
#include "ui/configuration/ConfigRestoreDialog.h"
#include "ui/configuration/ConfigSaveDialog.h"
#include "ui/configuration/EditConfigurationSheet.h"
#include "ui/configuration/EraseConfigurationDialog.h"
#include "ui/configuration/EraseMemoryDialog.h"
#include "ui/configuration/FaultTableDialog.h"
#include "ui/firmware/FtpDialog.h"
#include "ui/shell/Help.h"
#include "ui/shell/Language.h"
#include "ui/shell/LicenseDialog.h"
#include "ui/tester/MacroEditorDialog.h"
#include "ui/firmware/McuLoaderDialog.h"
#include "ui/firmware/ReleaseInfoDialog.h"
#include "ui/operate/SwrAlarmDialog.h"

namespace {
// The controls a user meets in the window (hidden ones aside) that a screen
// reader could not name.
void FindNameless(QAccessibleInterface& node, QWidget& window, QStringList& nameless) {
  static const std::set<QAccessible::Role> kControls = {
      QAccessible::PushButton, QAccessible::CheckBox, QAccessible::RadioButton, QAccessible::ComboBox,
      QAccessible::EditableText, QAccessible::SpinBox, QAccessible::PageTab, QAccessible::Tree, QAccessible::List};
  for (int i = 0; i < node.childCount(); ++i) {
    QAccessibleInterface* child = node.child(i);
    auto* widget = child != nullptr ? qobject_cast<QWidget*>(child->object()) : nullptr;
    if (widget == nullptr || !widget->isVisibleTo(&window)) continue;
    if (kControls.count(child->role()) != 0 && child->text(QAccessible::Name).trimmed().isEmpty())
      nameless << QStringLiteral("%1 %2 in %3").arg(widget->metaObject()->className(), widget->objectName(),
                                                    widget->parentWidget()->metaObject()->className());
    FindNameless(*child, window, nameless);
  }
}

// Alt+letters offered at once by the window's menu bar, tabs, buttons,
// labels of controls and group boxes, where two share a letter.
QStringList RepeatedMnemonics(QWidget& window) {
  QMap<QKeySequence, QStringList> owners;
  auto add = [&](const QString& text) {
    if (const QKeySequence key = QKeySequence::mnemonic(text); !key.isEmpty()) owners[key] << text;
  };
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&window)) continue;
    if (auto* button = qobject_cast<QAbstractButton*>(w)) add(button->text());
    if (auto* label = qobject_cast<QLabel*>(w); label != nullptr && label->buddy() != nullptr) add(label->text());
    if (auto* group = qobject_cast<QGroupBox*>(w)) add(group->title());
    if (auto* tabs = qobject_cast<QTabBar*>(w))
      for (int i = 0; i < tabs->count(); ++i) add(tabs->tabText(i));
    if (auto* menus = qobject_cast<QMenuBar*>(w))
      for (QAction* menu : menus->actions()) add(menu->text());
  }
  QStringList repeated;
  for (const QStringList& texts : owners)
    if (texts.size() > 1) repeated << texts.join(QStringLiteral(" / "));
  return repeated;
}

// Each tab of the window's tab widgets in turn, or the window as it is.
void CheckEveryTab(QWidget& window, const QString& language) {
  QList<QTabWidget*> tabWidgets = window.findChildren<QTabWidget*>();
  QTabWidget* tabs = tabWidgets.isEmpty() ? nullptr : tabWidgets.first();
  for (int i = 0; i < (tabs != nullptr ? tabs->count() : 1); ++i) {
    if (tabs != nullptr) tabs->setCurrentIndex(i);
    QStringList nameless;
    FindNameless(*QAccessible::queryAccessibleInterface(&window), window, nameless);
    const QString where = language + u' ' + window.metaObject()->className() + u' ' + QString::number(i);
    EXPECT_TRUE(nameless.isEmpty()) << where.toStdString() << ": " << nameless.join(", ").toStdString();
    const QStringList repeated = RepeatedMnemonics(window);
    EXPECT_TRUE(repeated.isEmpty()) << where.toStdString() << ": " << repeated.join(", ").toStdString();
  }
}

}  // namespace

TEST(Accessibility, EveryControlOfEveryPageAndDialogHasANameAndNoWindowRepeatsAMnemonic) {
  for (const QString& language : {QStringLiteral("en"), QStringLiteral("de")}) {
    UiFixture f;
    CLanguage::Install(language);
    CMainWindow& window = f.OpenWindow();
    CheckEveryTab(window, language);
    GetModel().McuVersion.Set(197);  // every page of the configuration sheet
    FirmwareFolderScan scan;
    auto* tester = window.findChild<CCommandTesterPage*>();
    std::vector<std::unique_ptr<QWidget>> dialogs;
    dialogs.emplace_back(new CAboutDialog(&window));
    dialogs.emplace_back(new CLicenseDialog(CLicenseDialog::kLicenseResource, &window));
    dialogs.emplace_back(new CMacroEditorDialog(tester->MacroLabels, tester->MacroTexts, &window));
    dialogs.emplace_back(new CEditConfigurationSheet(&window));
    dialogs.emplace_back(new CConfigSaveDialog(&window));
    dialogs.emplace_back(new CConfigRestoreDialog(&window));
    dialogs.emplace_back(new CFaultTableDialog(&window));
    dialogs.emplace_back(new CEraseMemoryDialog(&window));
    dialogs.emplace_back(new CEraseConfigurationDialog(&window));
    dialogs.emplace_back(new CFtpDialog(&window, GetModel(), QDir::tempPath(), scan));
    dialogs.emplace_back(new CMcuLoaderDialog(GetModel(), QStringLiteral("zu6400fw0197.hex"), &window));
    dialogs.emplace_back(new CReleaseInfoDialog(&window));
    dialogs.emplace_back(new CSwrAlarmDialog(SwrAlarmSettings{}, &window));
    for (const auto& dialog : dialogs) CheckEveryTab(*dialog, language);
    ASSERT_TRUE(CHelp::ShowContents());
    CheckEveryTab(*CHelp::Window(), language);
    CHelp::CloseWindow();
    dialogs.clear();
    f.CloseWindow();
    CLanguage::Uninstall();
  }
}

// Started in German, the program's words and Qt's are German; the language
// chosen in the menu is kept for the next start.
TEST(Language, StartedInGermanTheProgramSpeaksGermanAndChoosesAnotherLanguageForTheNextStart) {
  UiFixture f;
  {
    CUtilityProgram program({QStringLiteral("zu6400-utility"), QStringLiteral("--lang"), QStringLiteral("de")});
    ASSERT_TRUE(program.Start());
    CMainWindow& window = program.Window();
    EXPECT_EQ(FormatString(Str::ElapsedTime, 1u), "Verstrichene Zeit: 1 Sekunde");
    for (QAction* action : window.findChildren<QAction*>())
      if (action->text() == "English") action->trigger();
    EXPECT_EQ(UiFixture::Setting("Language").toString(), "en");
    window.close();
  }
}
