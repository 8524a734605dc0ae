#include "model/AppInfo.h"

CAppInfoBase::CAppInfoBase() : m_settings(std::make_unique<QSettings>("Corvanta", "ZU6400 Utility")) {}
