#include "LoaderTestSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <gtest/gtest.h>

#include "HexRecords.h"
#include "base/ReportSink.h"
#include "firmware/FirmwareImage.h"

QByteArray FirmwareHex(std::uint32_t end) {
  QByteArray hex;
  std::uint32_t upper = 0;
  for (std::uint32_t address = FirmwareImage::kStartAddress; address < end; address += 16) {
    if (address >> 16 != upper) {
      upper = address >> 16;
      hex += Linear(static_cast<std::uint16_t>(upper));
    }
    QByteArray data;
    for (std::uint32_t a = address; a < std::min(address + 16, end); ++a)
      data += static_cast<char>(a < FirmwareImage::kStartAddress + 2 ? 0 : (a * 7 + 3) & 0xFF);
    hex += DataRecord(static_cast<std::uint16_t>(address), data);
  }
  return hex + kEndRecord;
}

QString WriteFirmwareFile(const QString& folder, const QString& name, std::uint32_t end) {
  const QString path = folder + u'/' + name;
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
  file.write(FirmwareHex(end));
  return path;
}

QByteArray SentImage(const QString& path) {
  FirmwareImage image;
  if (!image.Load(path)) return {};
  CSilentReportSink sink;
  if (image.CheckReconciliation(sink) != Result::Success) return {};
  const std::uint8_t* end = image.SendEnd();
  return QByteArray(reinterpret_cast<const char*>(image.Data()), end - image.Data());
}

void CLoadPacer::customEvent(QEvent* event) {
  if (event->type() == CModelEvent::EventType()) {
    const auto* e = static_cast<CModelEvent*>(event);
    if (e->Message == Msg::LogText && e->Text.startsWith(QStringLiteral("Attempting to contact")))
      CTimeScale::SetFactor(kSearchTime);
    else if (e->Message == Msg::LogText && (e->Text.startsWith(QStringLiteral("Connected to")) ||
                                            e->Text.startsWith(QStringLiteral("Nothing answered"))))
      CTimeScale::SetFactor(m_fast);
  }
  QCoreApplication::sendEvent(&m_forwardTo, event);
}

LoaderFixture::LoaderFixture(SimOptions options, unsigned fast) : ModelFixture(std::move(options)) {
  if (!ContactAndWait()) ADD_FAILURE() << "no contact";
  m_pacer = std::make_unique<CLoadPacer>(Recorder(), fast);
  Model().SetNotifyWindow(m_pacer.get());
}

LoaderFixture::~LoaderFixture() {
  Model().SetNotifyWindow(&Recorder());
  if (Model().ActiveMachine == &machine) Model().ActiveMachine = nullptr;
}

ResultCode LoaderFixture::Load(const QString& path, int timeoutMs) {
  const int before = Recorder().Count(Msg::MachineFinished);
  Model().ActiveMachine = &machine;
  if (!machine.Start(path)) return machine.GetResult();
  if (!WaitFor([&] { return Recorder().Count(Msg::MachineFinished) > before; }, timeoutMs)) return 0xFFFFFFFF;
  return LastResult();
}

QList<std::uint32_t> LoaderFixture::PacketOrder(std::uint32_t end) {
  QList<std::uint32_t> order;
  for (std::uint32_t a = 0x880; a < end; a += 128) order << a;
  return order << 0x800;
}
