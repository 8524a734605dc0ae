// The RTF reader: formatting and characters of hand-written samples, and
// malformed input shown as far as it goes; the licence it shows.

#include <QTextDocument>
#include <gtest/gtest.h>

#include "tests/support/UiTestSupport.h"
#include "ui/shell/LicenseDialog.h"
#include "ui/shell/LogView.h"
#include "ui/shell/RtfReader.h"

namespace {
QString Read(const QByteArray& rtf, QTextDocument& doc) {
  CRtfReader::Read(rtf, doc);
  // The raw text keeps line separators and no-break spaces as they are.
  return doc.toRawText().replace(QChar(QChar::ParagraphSeparator), u'\n');
}

// The character format at the start of the first occurrence of text.
QTextCharFormat FormatOf(QTextDocument& doc, const QString& text) {
  const QTextCursor found = doc.find(text);
  EXPECT_FALSE(found.isNull()) << text.toStdString();
  QTextCursor at(&doc);
  at.setPosition(found.selectionStart() + 1);
  return at.charFormat();
}
}  // namespace

TEST(RtfReader, BoldItalicUnderlineAndSizeFollowGroupsAndSwitches) {
  QTextDocument doc;
  Read("{\\rtf1 plain {\\b bold {\\i both}} \\ul under\\ulnone  after \\fs32 big\\b big-bold\\b0  end}", doc);
  EXPECT_EQ(FormatOf(doc, "bold").fontWeight(), QFont::Bold);
  EXPECT_TRUE(FormatOf(doc, "both").fontItalic());
  EXPECT_TRUE(FormatOf(doc, "under").fontUnderline());
  EXPECT_FALSE(FormatOf(doc, "after").fontUnderline());
  EXPECT_EQ(FormatOf(doc, "big").fontPointSize(), 16.0);
  EXPECT_EQ(FormatOf(doc, "end").fontWeight(), QFont::Normal);
}

// Paragraphs, characters, words that show nothing, and malformed input shown as far as it goes.
TEST(RtfReader, TextOfEachSample) {
  const struct {
    QByteArray rtf;
    QString text;
  } samples[] = {
      {"{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
       "{\\*\\generator Writer 1.0;}{\\info{\\title Notes}}\\pard First\\tab one\\par\r\nSecond\\line two\\par}",
       QString("First\tone\nSecond") + QChar(QChar::LineSeparator) + "two\n"},
      {"{\\rtf1\\ansi \\'a9 caf\\'e9 \\'80 \\u8364? \\uc2\\u-3913xx! \\{\\}\\\\ \\ldblquote q\\rdblquote\\~\\emdash}",
       QString::fromUtf8("\u00A9 caf\u00E9 \u20AC \u20AC ") + QChar(0xF0B7) +
           QString::fromUtf8("! {}\\ \u201Cq\u201D\u00A0\u2014")},
      {"{\\rtf1\\widowctrl\\lang1033 A{\\*\\shppict{\\pict\\pngblip 89504e47}}B{\\*\\unknown C}D}", "ABD"},
      {"{\\rtf1 Hello {\\b world", "Hello world"},  // truncated, braces open
      {"{\\rtf1 one}} two}", "one two"},             // stray closing braces
      {"{\\rtf1 end\\'4", "end"},                    // cut inside \'hh
      {"{\\rtf1 \\fs99999999999999999999 big \\bin999999 gone", "big "},
      {QByteArray(100000, '{') + "deep", "deep"},
  };
  for (const auto& sample : samples) {
    QTextDocument doc;
    EXPECT_EQ(Read(sample.rtf, doc), sample.text) << sample.rtf.left(60).constData();
  }
}

// The licence viewer reads the built-in licence with it.
TEST(LicenseViewer, ShowsTheFormattedLicence) {
  CLicenseDialog license(CLicenseDialog::kLicenseResource);
  const QString text = Child<CLogView>(license).toPlainText();
  EXPECT_TRUE(text.contains(QString::fromUtf8("Copyright \u00A9 2026")));
  EXPECT_FALSE(text.contains("\\par"));
}
