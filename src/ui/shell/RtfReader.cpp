#include "ui/shell/RtfReader.h"

#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cctype>
#include <vector>

#include "base/ResultCodes.h"

namespace {
constexpr std::size_t kMaxDepth = 256;
constexpr int kMaxWordLength = 32;
constexpr int kMaxDigits = 10;
constexpr double kDefaultPointSize = 12.0;

// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F.
QChar FromCp1252(unsigned char byte) {
  static const char16_t high[32] = {
      0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
  return byte >= 0x80 && byte <= 0x9F ? QChar(high[byte - 0x80]) : QChar(byte);
}

struct GroupState {
  QTextCharFormat format;
  bool skip = false;    // a destination whose text is not shown
  int unicodeSkip = 1;  // fallback characters after \uN
};

class Parser {
 public:
  Parser(const QByteArray& rtf, QTextDocument& document) : m_in(rtf), m_cursor(&document) {
    GroupState base;
    base.format.setFontPointSize(kDefaultPointSize);
    m_groups.push_back(base);
  }

  void Run() {
    while (m_pos < m_in.size()) {
      const char c = m_in[m_pos++];
      switch (c) {
        case '{': OpenGroup(); break;
        case '}': CloseGroup(); break;
        case '\\': ControlSymbolOrWord(); break;
        case '\r':
        case '\n': break;
        default: Text(QChar(static_cast<unsigned char>(c))); break;
      }
    }
    Flush();
  }

 private:
  GroupState& State() { return m_groups.back(); }

  void OpenGroup() {
    Flush();
    if (m_groups.size() >= kMaxDepth) {
      ++m_ignoredOpens;  // too deep to be text: treat as one flat group
      return;
    }
    m_groups.push_back(State());
    m_groupStart = true;
  }

  void CloseGroup() {
    Flush();
    if (m_ignoredOpens > 0) {
      --m_ignoredOpens;
      return;
    }
    // A stray closing brace is ignored: the outermost state stays.
    if (m_groups.size() > 1) m_groups.pop_back();
  }

  void ControlSymbolOrWord() {
    if (m_pos >= m_in.size()) return;
    const char c = m_in[m_pos];
    if (std::isalpha(static_cast<unsigned char>(c)) == 0) {
      ++m_pos;
      ControlSymbol(c);
      return;
    }
    QByteArray word;
    while (m_pos < m_in.size() && std::isalpha(static_cast<unsigned char>(m_in[m_pos])) != 0 &&
           word.size() < kMaxWordLength)
      word += m_in[m_pos++];
    bool hasParam = false;
    long param = 0;
    bool negative = false;
    if (m_pos < m_in.size() && m_in[m_pos] == '-') {
      negative = true;
      ++m_pos;
    }
    for (int digits = 0; m_pos < m_in.size() && std::isdigit(static_cast<unsigned char>(m_in[m_pos])) != 0; ++m_pos) {
      if (++digits <= kMaxDigits) param = param * 10 + (m_in[m_pos] - '0');
      hasParam = true;
    }
    if (negative) param = -param;
    if (m_pos < m_in.size() && m_in[m_pos] == ' ') ++m_pos;  // the delimiter belongs to the word
    const bool atGroupStart = m_groupStart;
    m_groupStart = false;
    ControlWord(word, hasParam, param, atGroupStart);
  }

  void ControlSymbol(char c) {
    m_groupStart = false;
    switch (c) {
      case '\\':
      case '{':
      case '}': Text(QChar(static_cast<unsigned char>(c))); break;
      case '~': Text(QChar(0x00A0)); break;
      case '_': Text(QChar(0x2011)); break;
      case '\'': HexCharacter(); break;
      case '*': State().skip = true; break;  // an optional destination we do not know
      case '\r':
      case '\n': Paragraph(); break;  // "\" at the end of a line is \par
      default: break;                 // \- (optional hyphen) and others show nothing
    }
  }

  void HexCharacter() {
    if (m_pos + 1 >= m_in.size()) {
      m_pos = m_in.size();
      return;
    }
    // Not HexPairToByte: a bad digit in a document is skipped, not an error.
    const int high = HexDigitValue(QChar::fromLatin1(m_in[m_pos]));
    const int low = HexDigitValue(QChar::fromLatin1(m_in[m_pos + 1]));
    m_pos += 2;
    if (high >= 0 && low >= 0) Text(FromCp1252(static_cast<unsigned char>(high * 16 + low)));
  }

  void ControlWord(const QByteArray& w, bool hasParam, long param, bool atGroupStart) {
    QTextCharFormat& f = State().format;
    const bool on = !hasParam || param != 0;
    if (w == "par") {
      Paragraph();
    } else if (w == "line") {
      Text(QChar::LineSeparator);
    } else if (w == "tab") {
      Text(u'\t');
    } else if (w == "b") {
      Flush();
      f.setFontWeight(on ? QFont::Bold : QFont::Normal);
    } else if (w == "i") {
      Flush();
      f.setFontItalic(on);
    } else if (w == "ul") {
      Flush();
      f.setFontUnderline(on);
    } else if (w == "ulnone") {
      Flush();
      f.setFontUnderline(false);
    } else if (w == "fs") {
      Flush();
      if (hasParam && param > 0 && param < 4000) f.setFontPointSize(param / 2.0);
    } else if (w == "plain") {
      Flush();
      f = QTextCharFormat();
      f.setFontPointSize(kDefaultPointSize);
    } else if (w == "uc") {
      if (hasParam && param >= 0 && param < 10) State().unicodeSkip = static_cast<int>(param);
    } else if (w == "u") {
      if (hasParam) Unicode(param);
    } else if (w == "bin") {
      if (hasParam && param > 0) m_pos += std::min<qsizetype>(param, m_in.size() - m_pos);
    } else if (const QChar special = Special(w); !special.isNull()) {
      Text(special);
    } else if (atGroupStart && IsDestination(w)) {
      State().skip = true;
    }
  }

  static QChar Special(const QByteArray& w) {
    if (w == "emdash") return QChar(0x2014);
    if (w == "endash") return QChar(0x2013);
    if (w == "bullet") return QChar(0x2022);
    if (w == "lquote") return QChar(0x2018);
    if (w == "rquote") return QChar(0x2019);
    if (w == "ldblquote") return QChar(0x201C);
    if (w == "rdblquote") return QChar(0x201D);
    return {};
  }

  static bool IsDestination(const QByteArray& w) {
    static const char* const names[] = {"fonttbl", "colortbl", "stylesheet", "info",     "pict",     "object",
                                        "header",  "footer",   "headerl",    "headerr",  "footerl",  "footerr",
                                        "footnote", "field",   "fldinst",    "listtable", "listoverridetable",
                                        "rsidtbl", "generator", "xmlnstbl",  "themedata", "datastore"};
    for (const char* name : names)
      if (w == name) return true;
    return false;
  }

  void Unicode(long value) {
    const auto unit = static_cast<char16_t>(value < 0 ? value + 65536 : value);
    Text(QChar(unit));
    // Skip the fallback characters that follow for readers without Unicode.
    for (int n = State().unicodeSkip; n > 0 && m_pos < m_in.size(); --n) {
      const char c = m_in[m_pos];
      if (c == '{' || c == '}') break;
      if (c == '\\') {
        if (m_pos + 1 < m_in.size() && m_in[m_pos + 1] == '\'')
          m_pos += 4;
        else
          break;
      } else {
        ++m_pos;
      }
    }
    m_pos = std::min(m_pos, m_in.size());
  }

  void Text(QChar c) {
    m_groupStart = false;
    if (!State().skip) m_pending += c;
  }

  void Paragraph() {
    if (State().skip) return;
    Flush();
    m_cursor.insertBlock();
  }

  void Flush() {
    if (m_pending.isEmpty()) return;
    m_cursor.insertText(m_pending, State().format);
    m_pending.clear();
  }

  const QByteArray& m_in;
  qsizetype m_pos = 0;
  QTextCursor m_cursor;
  std::vector<GroupState> m_groups;
  QString m_pending;
  std::size_t m_ignoredOpens = 0;
  bool m_groupStart = false;
};
}  // namespace

void CRtfReader::Read(const QByteArray& rtf, QTextDocument& document) {
  document.clear();
  Parser(rtf, document).Run();
}
