#pragma once
// "Antennas": for the chosen band (or all bands), which antennas may be used
// and which one the tuner takes first.

#include <array>

#include "ui/configuration/EditConfigurationPage.h"

class CBandGroup;
class QAbstractButton;
class QButtonGroup;

class CAntennaPage : public CEditConfigurationPage {
  Q_OBJECT
 public:
  using Enables = std::array<CObservable<int, kBandCount>*, 3>;
  CAntennaPage(const Enables& enables, CObservable<unsigned char, kBandCount>& preferred,
               CEditConfigurationContext& context, QWidget* parent = nullptr);
  void ShowValues() override;

  // 0 "Last Used", 1 to 3 an antenna.

 private:
  void OnEnableClicked(unsigned antenna);

  Enables m_enables;
  CObservable<unsigned char, kBandCount>& m_preferred;
  CBandGroup* m_bands;
  std::array<QCheckBox*, 3> m_enableBoxes{};
  QButtonGroup* m_preferredButtons;
};

// What a check box shows for a value under the band choice: indeterminate
// under "All" while the bands differ.
Qt::CheckState CheckStateFor(const CObservable<int, kBandCount>& value, unsigned band);
