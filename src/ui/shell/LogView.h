#pragma once
// The text view of every log, notes and licence window: a rich text control
// with the program's edit context menu and the log's append rule (the view
// follows new text unless the user has scrolled up to read).

#include <QTextCharFormat>
#include <QTextEdit>
#include <memory>

#include "base/TextFormat.h"

class QMenu;

class CLogView : public QTextEdit {
  Q_OBJECT
 public:
  explicit CLogView(QWidget* parent = nullptr);

  // "Courier New" 10 pt, or the platform's fixed font where it is missing.
  static QFont LogFont();

  // A line of a log: a line break first unless the view is empty.
  void AppendLine(const QString& line);
  // A line of the activity log, time-stamped.
  void AppendLogLine(const QString& line) { AppendLine(LogTimeStamp() + line); }
  // Text at the end in the given format ("\r\n" breaks the line).
  void AppendText(const QString& text, const QTextCharFormat& format = {});

  // Keeps at most this many characters, dropping the oldest lines first.
  void SetCharacterLimit(int limit) { m_characterLimit = limit; }

  // Adds an item such as "Save Log As..." to the context menu; it writes the
  // whole text to a file the user chooses, named defaultName at first.
  void EnableSaving(const QString& itemText, const QString& defaultName);

  // The context menu with its items enabled as the control's state allows.
  std::unique_ptr<QMenu> CreateContextMenu();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  // True while the user has scrolled away from the end.
  bool IsScrolledUp() const;
  // Writes the whole text; a failure is reported in a box. False on failure.
  bool SaveTo(const QString& path, const QString& boxTitle);
  void Insert(const QString& text, const QTextCharFormat* format);
  void DropOldestLines();
  void FollowEnd();
  void SaveAs();

  int m_characterLimit = 0;
  QString m_saveItemText;
  QString m_saveDefaultName;
};
