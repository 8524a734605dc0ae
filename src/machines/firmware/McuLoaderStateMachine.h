#pragma once
// Sends a firmware image into the tuner's microcontroller: finds and
// identifies the tuner (or, when nothing answers, a loader left holding part
// of a packet), switches it into its bootstrap loader, sends the image block
// by block (the block at 0x800 last), waits for the restart,
// finds the tuner again and switches it on. The contact machine then reads
// the new version, which the caller checks against the image's name.

#include "engine/FindSpeedState.h"
#include "engine/IdentifyState.h"
#include "machines/firmware/LoaderStateHost.h"
#include "machines/firmware/LoaderStates.h"

class CMcuLoaderStateMachine : public CLoaderStateHost<CMcuLoaderStateMachine> {
 public:
  static constexpr std::uint32_t kFirstLoadAddress = 0x880;

  explicit CMcuLoaderStateMachine(CModelBase& model);

  // Loads and checks the image, then starts the load with its state texts
  // going to statusWindow. A bad image, or one whose name carries no
  // version, ends the run at once (nothing is sent). False, with the last
  // error set and the running load untouched, while a run is going.
  bool Start(const QString& imagePath, QObject* statusWindow = nullptr);

  // After a run that ended with 0: whether the tuner now reports the
  // version the image's name gives; logs the outcome.
  ResultCode VerifyVersion(unsigned short expected);

  void OnFinished() override;

 private:
  using M = CMcuLoaderStateMachine;
  ResultCode LoadImage();

  bool m_touchedTuner = false;
  CLoadFindSpeedState<M> m_findSpeed;
  CLoadRecoverState<M> m_recover;
  CIdentifyState<M> m_identify;
  CLoadEnterBootLoaderState<M> m_enterBootLoader;
  CLoadBeginDownloadState<M> m_beginDownload;
  CLoadFirmwareInitialState<M> m_loadInitial;
  CLoadResyncState<M> m_resyncInitial;
  CLoadFirmwareLastState<M> m_loadLast;
  CLoadResyncState<M> m_resyncLast;
  CLoadWaitResetState<M> m_waitReset;
  CFindSpeedState<M> m_findSpeedAfterReset;
  CSetPowerStatusOnState<M> m_powerOn;
};
