#pragma once
// What a screen reader needs beyond what Qt gives by itself: labels tied to
// the controls they name, and texts that appear without the user asking.

#include <QString>

class QDialogButtonBox;
class QLabel;
class QWidget;

// A label beside a control: it names the control for a screen reader, and its
// Alt+letter moves to the control.
QLabel* BuddyLabel(const QString& text, QWidget* buddy);

// Apply and Help get their Alt+letter; OK, Cancel and Close have Enter and
// Escape.
void GiveMnemonics(QDialogButtonBox& buttons);

// A text that appears by itself (search advice, a lost connection, a job's
// result) becomes the widget's accessible name, whose change screen readers
// are told of, so it is heard and not only drawn.
void Announce(QWidget& widget, const QString& text);
