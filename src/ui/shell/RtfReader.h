#pragma once
// A small reader for the RTF that word processors write for plain formatted
// text: paragraphs, line breaks, tabs, bold, italic, underline, font size,
// \'hh (Windows-1252) and \uN characters. Font and colour tables, pictures
// and every other destination or control word it does not know are skipped.
// Malformed input (unbalanced braces, a truncated file) gives what could be
// read.

#include <QByteArray>

class QTextDocument;

class CRtfReader {
 public:
  // Replaces the document's content with the RTF's text.
  static void Read(const QByteArray& rtf, QTextDocument& document);
};
