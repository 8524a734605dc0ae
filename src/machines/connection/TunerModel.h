#pragma once
// The program's model: the base with its contact machine.

#include "model/ModelBase.h"

class CTunerModel : public CModelBase {
 public:
  CTunerModel();
  bool IsDeviceSupported() const override;
};

// The one model, created on first use.
CTunerModel& GetModel();
// Destroys the model (before the application object goes); the next
// GetModel() creates a fresh one.
void ReleaseModel();
