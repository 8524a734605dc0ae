#pragma once
// The simulated tuner's bootstrap loader. "lpf;" (or a start in it) hands
// the line to it as raw bytes: it answers ";" polls and "I;" until "D", echoes
// "D", then fills a 132-byte receive buffer and judges each full buffer: a bad
// checksum answers "N", a good packet is written and answered "A", the final
// packet (the block at 0x800) "B", after which the tuner restarts its firmware.
// A gap longer than the idle time drops a partial buffer and returns it to
// waiting for "D", so that a load cut short can be started again; a loader
// that keeps it (as a real one can) answers nothing until the buffer is full.

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QMutex>
#include <QString>
#include <cstdint>
#include <map>

struct SimLoaderOptions {
  bool startInLoader = false;
  QString flashVersion;            // reported after a load; empty: as named, else the old one
  std::uint32_t rejectAddress = 0;  // answer "N" to this packet ...
  unsigned rejectCount = 0;         // ... this many times
  std::uint32_t dropAddress = 0;    // lose bytes of this packet once ...
  unsigned dropBytes = 0;           // ... this many
  bool noEcho = false;              // never echo "D"
  bool silentFinal = false;         // never answer the final packet
  unsigned idleMs = 3000;
  bool keepPartial = false;         // a packet cut short stays however long the line is quiet
};

class CSimulatedTuner;

class CSimLoader {
 public:
  static constexpr int kPacketSize = 132;
  static constexpr int kBlockSize = 128;
  static constexpr unsigned kLoaderSpeed = 38400;

  CSimLoader(CSimulatedTuner& tuner, SimLoaderOptions options, unsigned runSpeed);

  // Switches the tuner into the loader (the "lpf;" command) at 38400 bit/s.
  void Enter();
  // The program running this simulator names the image it sends
  // ("zu6400fw0198.hex"): after the load the tuner reports the version in
  // that name, as the new firmware would. Safe from any thread.
  void NameImage(const QString& fileName);

  // What tests inspect; safe from any thread.
  bool IsActive() const;
  // The flash as the loader wrote it; 0xFF where nothing was written.
  QByteArray Flash(std::uint32_t address, std::uint32_t length) const;
  // The addresses of the packets written, in order.
  QList<std::uint32_t> Written() const;
  // Every byte taken after the "D" echo: packets and polls, as they came.
  QByteArray Taken() const;
  unsigned Restarts() const;

 private:
  enum class Phase { Off, Command, Packets };
  void Activate();
  QByteArray Take(const QByteArray& bytes);
  QByteArray TakeCommandByte(char c);
  QByteArray Judge();
  QByteArray Write(std::uint32_t address, bool final);
  void Restart();
  QString VersionAfterLoad() const;

  CSimulatedTuner& m_tuner;
  const SimLoaderOptions m_options;
  const unsigned m_runSpeed;
  mutable QMutex m_lock;
  Phase m_phase = Phase::Off;
  QByteArray m_buffer;
  QElapsedTimer m_sinceByte;
  unsigned m_rejected = 0;
  bool m_dropped = false;
  unsigned m_restarts = 0;
  std::map<std::uint32_t, QByteArray> m_flash;
  QList<std::uint32_t> m_written;
  QByteArray m_taken;
  QString m_imageName;
};
