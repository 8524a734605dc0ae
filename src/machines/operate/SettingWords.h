#pragma once
// The words a person may use for the tuner's one-letter settings, and that
// the plain printouts show beside the letters.

#include <QChar>
#include <QString>
#include <span>

struct LetterWord {
  char letter;
  const char* word;
};

inline constexpr LetterWord kModeWords[] = {{'A', "auto"}, {'M', "manual"}, {'B', "bypass"}};
inline constexpr LetterWord kSideWords[] = {{'T', "transmitter"}, {'A', "antenna"}};
inline constexpr LetterWord kBypassWords[] = {{'B', "on"}, {'N', "off"}};
// For the settings that are 0 or 1.
inline constexpr LetterWord kSwitchWords[] = {{'1', "on"}, {'0', "off"}};

// "M (manual)", or the letter alone when it has no word.
inline QString LetterWithWord(QChar letter, std::span<const LetterWord> words) {
  for (const LetterWord& w : words)
    if (letter == QLatin1Char(w.letter)) return QString(letter) + QStringLiteral(" (") + QLatin1String(w.word) + u')';
  return QString(letter);
}

// The letter a letter or word stands for (either case), or a null QChar.
inline QChar LetterFor(const QString& text, std::span<const LetterWord> words) {
  for (const LetterWord& w : words)
    if (text.compare(QLatin1String(w.word), Qt::CaseInsensitive) == 0 ||
        text.compare(QString(QLatin1Char(w.letter)), Qt::CaseInsensitive) == 0)
      return QLatin1Char(w.letter);
  return {};
}
