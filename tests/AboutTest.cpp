// The About box and the licence viewer.

#include <QPushButton>
#include <gtest/gtest.h>

#include "base/ProgramVersion.h"
#include "ui/AboutDialog.h"
#include "ui/LicenseDialog.h"
#include "ui/LogView.h"

TEST(AboutBox, CaptionAndVersionFromTheBuild) {
  CAboutDialog about;
  EXPECT_EQ(about.windowTitle(), "About Corvanta ZU6400 Utility");
  const QStringList lines = about.Text().split(u'\n');
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[0], CProgramVersion::VersionText());  // as the window title says it
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("ZU6400 Utility Version " ZU_VERSION_TEXT)));
  EXPECT_EQ(lines[0].count(u'.'), 3);
  EXPECT_FALSE(lines[2].isEmpty());
}

TEST(LicenseViewer, ShowsTheFormattedLicence) {
  CLicenseDialog license(CLicenseDialog::kLicenseResource);
  EXPECT_EQ(license.windowTitle(), "Corvanta ZU6400 Utility License Agreement");
  const QString text = license.Text().toPlainText();
  EXPECT_TRUE(text.contains("MIT License"));
  EXPECT_TRUE(text.contains(QString::fromUtf8("Copyright \u00A9 2026")));
  EXPECT_TRUE(text.contains(QString::fromUtf8("\u201CAS IS\u201D")));
  EXPECT_FALSE(text.contains("\\par"));
  EXPECT_FALSE(text.contains("Arial"));
  EXPECT_TRUE(license.Text().isReadOnly());
}

TEST(LicenseViewer, MissingLicenceLeavesTheViewEmptyAndTheDialogClosable) {
  CLicenseDialog license(QStringLiteral(":/licence/missing.rtf"));
  EXPECT_TRUE(license.Text().toPlainText().isEmpty());
  license.show();
  license.findChild<QPushButton*>()->click();
  EXPECT_FALSE(license.isVisible());
  EXPECT_EQ(license.result(), QDialog::Rejected);
}
