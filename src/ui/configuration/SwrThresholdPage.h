#pragma once
// "SWR Thresholds": for the chosen band (or all bands), the SWR above which
// the amplifier's key line is interrupted, a tune starts, and the tuner goes
// to bypass.

#include <array>

#include "ui/configuration/EditConfigurationPage.h"

class CBandGroup;
class CSwrThresholdEdit;

class CSwrThresholdPage : public CEditConfigurationPage {
  Q_OBJECT
 public:
  enum Threshold { KeyInterrupt, Autotune, Bypass };
  using Thresholds = std::array<CObservable<QString, kBandCount>*, 3>;

  CSwrThresholdPage(const Thresholds& thresholds, CEditConfigurationContext& context, QWidget* parent = nullptr);
  void ShowValues() override;

 private:
  void OnEdited(Threshold threshold, const QString& text);

  Thresholds m_thresholds;
  CBandGroup* m_bands;
  std::array<CSwrThresholdEdit*, 3> m_edits{};
};
