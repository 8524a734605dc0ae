#pragma once
// Observable values that load from and save to the settings key. Only values
// that differ from what was last read or written are saved.

#include <QString>
#include <QVariant>
#include <type_traits>

#include "base/ResultCodes.h"
#include "base/TextFormat.h"
#include "model/AppInfo.h"
#include "model/Observable.h"

class IPersistable {
 public:
  virtual ~IPersistable() = default;
  virtual ResultCode Load(CAppInfoBase& app) = 0;
  virtual ResultCode Save(CAppInfoBase& app) = 0;
};

template <class T, std::size_t N>
class CPersistable : public CObservable<T, N>, public IPersistable {
 public:
  // For N > 1 the name is a format with one %u, filled with the index plus 1.
  CPersistable(const char* name, unsigned message = 0, const T& initial = T{})
      : CObservable<T, N>(message, initial), m_name(QString::fromLatin1(name)) {
    m_stored.fill(T{});
  }

  ResultCode Load(CAppInfoBase& app) override {
    if (m_name.isEmpty()) return Result::Success;
    ResultCode status = Result::Success;
    for (std::size_t i = 0; i < N; ++i) {
      const QVariant v = app.Settings().value(ValueName(i));
      T loaded{};
      if (!v.isValid()) {
        status = Result::FileNotFound;
      } else if (!Convert(v, loaded)) {
        status = Result::InvalidData;
      } else {
        m_stored[i] = loaded;
        this->Assign(i, loaded);
      }
    }
    return status;
  }

  ResultCode Save(CAppInfoBase& app) override {
    if (m_name.isEmpty()) return Result::Success;
    for (std::size_t i = 0; i < N; ++i) {
      const T& v = this->Get(i);
      if (v == m_stored[i]) continue;
      app.Settings().setValue(ValueName(i), ToVariant(v));
      app.Settings().sync();
      if (app.Settings().status() != QSettings::NoError) return Result::AccessDenied;
      m_stored[i] = v;
    }
    return Result::Success;
  }

 private:
  QString ValueName(std::size_t i) const {
    return N == 1 ? m_name : Format(m_name, static_cast<unsigned>(i + 1));
  }

  static bool Convert(const QVariant& v, T& out) {
    if constexpr (std::is_same_v<T, QString>) {
      if (v.typeId() != QMetaType::QString && v.typeId() != QMetaType::QByteArray) return false;
      out = v.toString();
      return true;
    } else {
      bool ok = false;
      const qlonglong n = v.toLongLong(&ok);
      out = static_cast<T>(n);
      return ok;
    }
  }

  static QVariant ToVariant(const T& v) {
    if constexpr (std::is_same_v<T, QString>)
      return v;
    else
      return QVariant::fromValue(static_cast<qlonglong>(v));
  }

  QString m_name;
  std::array<T, N> m_stored;
};
