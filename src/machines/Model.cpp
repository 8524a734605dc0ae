#include "machines/Model.h"

#include <memory>

#include "machines/ContactStateMachine.h"

CModel::CModel() { ContactMachine = std::make_unique<CContactStateMachine>(*this); }

bool CModel::IsDeviceSupported() const { return Device.Get() == DeviceZU6400; }

namespace {
std::unique_ptr<CModel>& Instance() {
  static std::unique_ptr<CModel> model;
  return model;
}
}  // namespace

CModel& GetModel() {
  auto& model = Instance();
  if (!model) model = std::make_unique<CModel>();
  return *model;
}

void ReleaseModel() { Instance().reset(); }
