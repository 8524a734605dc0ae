#pragma once
// The layout the program's log windows share: the log taking the room, an
// optional line under it (a progress bar), and one button at the lower right.

class QDialog;
class QPushButton;
class QWidget;

void LayOutLogWindow(QDialog& dialog, QWidget& log, QPushButton& button, QWidget* under = nullptr);
