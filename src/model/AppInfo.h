#pragma once
// The application's settings key: QSettings("Corvanta", "ZU6400 Utility").

#include <QSettings>
#include <memory>

class CAppInfoBase {
 public:
  CAppInfoBase();
  QSettings& Settings() { return *m_settings; }

 private:
  std::unique_ptr<QSettings> m_settings;
};
