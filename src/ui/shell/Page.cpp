#include "ui/shell/Page.h"

#include <QHideEvent>
#include <QShowEvent>

CPage::CPage(const QString& title, const QString& helpTopic, QWidget* parent)
    : QWidget(parent), m_title(title), m_helpTopic(helpTopic) {}

CPage::~CPage() { m_subscriptions.UnsubscribeAll(); }

void CPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Minimising the window is no reason to stop listening.
  if (!event->spontaneous()) OnShown();
}

void CPage::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (event->spontaneous()) return;
  m_subscriptions.UnsubscribeAll();
  OnHidden();
}

void CPage::customEvent(QEvent* event) {
  if (event->type() == CModelEvent::EventType()) OnModelEvent(*static_cast<CModelEvent*>(event));
}
