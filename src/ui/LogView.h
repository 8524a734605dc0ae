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
  // True while the user has scrolled away from the end.
  bool IsScrolledUp() const;

  // The context menu with its items enabled as the control's state allows.
  std::unique_ptr<QMenu> CreateContextMenu();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void Insert(const QString& text, const QTextCharFormat* format);
  void FollowEnd();
};
