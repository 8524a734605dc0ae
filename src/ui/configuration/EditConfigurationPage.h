#pragma once
// A page of the edit-configuration sheet. It shows and changes only the
// requested parts of the values the sheet's machine reads and writes; the
// machine carries them to the tuner. The band chosen on one band page is the
// band of the others too: the sheet's context keeps it.

#include <array>
#include <functional>
#include <initializer_list>

#include "ui/shell/Page.h"
#include "ui/configuration/PerBandValues.h"

class QCheckBox;
class QLabel;

struct CEditConfigurationContext {
  // 0 to 10 a band, kAllBands every band; "All" when the sheet opens.
  unsigned SelectedBand = kAllBands;
  // The sheet recomputes whether anything differs from the tuner.
  std::function<void()> UserChanged;
};

class CEditConfigurationPage : public CPage {
  Q_OBJECT
 public:
  CEditConfigurationPage(const QString& title, const QString& anchor, CEditConfigurationContext& context,
                         std::initializer_list<CEventSource*> values, QWidget* parent = nullptr);

  // Shows the values as they stand (after a read, a write or a band change).
  virtual void ShowValues() = 0;

 protected:
  void OnShown() override;
  void OnModelEvent(const CModelEvent& event) override;
  // After a user's change the sheet hears of it; Changed also shows it again.
  void NotifyChanged();
  void Changed();
  CEditConfigurationContext& Context() { return m_context; }

 private:
  CEditConfigurationContext& m_context;
  QList<CEventSource*> m_values;
};

// A page of one setting that is on or off, with a text that explains it.
class CSwitchPage : public CEditConfigurationPage {
  Q_OBJECT
 public:
  CSwitchPage(const QString& title, const QString& anchor, const QString& text, const QString& boxText,
              CObservable<int, 1>& value, CEditConfigurationContext& context, QWidget* parent = nullptr);
  void ShowValues() override;

 private:
  CObservable<int, 1>& m_value;
  QCheckBox* m_box;
};

// "Auto Fine Tune": one box per band, no band choice.
class CAutoFineTunePage : public CEditConfigurationPage {
  Q_OBJECT
 public:
  CAutoFineTunePage(CObservable<int, kBandCount>& value, CEditConfigurationContext& context,
                    QWidget* parent = nullptr);
  void ShowValues() override;
  QCheckBox& Box(unsigned band) { return *m_boxes.at(band); }

 private:
  CObservable<int, kBandCount>& m_value;
  std::array<QCheckBox*, kBandCount> m_boxes{};
};

// A label that wraps, for the pages' explanations.
QLabel* ExplanationLabel(const QString& text, QWidget* parent);
