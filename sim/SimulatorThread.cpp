#include "sim/SimulatorThread.h"

#include <QMetaObject>

CSimulatorThread::CSimulatorThread(SimOptions options) : m_tuner(new CSimulatedTuner(std::move(options))) {
  m_tuner->moveToThread(&m_thread);
}

CSimulatorThread::~CSimulatorThread() {
  if (m_thread.isRunning()) {
    QMetaObject::invokeMethod(m_tuner, [this] { delete m_tuner; }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
  } else {
    delete m_tuner;
  }
}

bool CSimulatorThread::Start() {
  m_thread.setObjectName(QStringLiteral("zu6400-sim"));
  m_thread.start();
  bool opened = false;
  QMetaObject::invokeMethod(m_tuner, [this, &opened] { opened = m_tuner->Open(); }, Qt::BlockingQueuedConnection);
  return opened;
}
