#include "machines/connection/TunerModel.h"

#include <memory>

#include "machines/connection/ContactStateMachine.h"

CTunerModel::CTunerModel() { ContactMachine = std::make_unique<CContactStateMachine>(*this); }

bool CTunerModel::IsDeviceSupported() const { return Device.Get() == DeviceZU6400; }

namespace {
std::unique_ptr<CTunerModel>& Instance() {
  static std::unique_ptr<CTunerModel> model;
  return model;
}
}  // namespace

CTunerModel& GetModel() {
  auto& model = Instance();
  if (!model) model = std::make_unique<CTunerModel>();
  return *model;
}

void ReleaseModel() { Instance().reset(); }
