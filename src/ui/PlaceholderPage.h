#pragma once
// A tab whose page comes with a later feature: its title, its help topic and a
// short note.

#include "ui/Page.h"

class CPlaceholderPage : public CPage {
  Q_OBJECT
 public:
  CPlaceholderPage(const QString& title, const QString& helpTopic, QWidget* parent = nullptr);
};
