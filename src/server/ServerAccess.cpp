#include "server/ServerAccess.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRandomGenerator>

#include "model/Persistable.h"

namespace {
constexpr int kTokenBytes = 16;

QString NewToken() {
  QByteArray bytes(kTokenBytes, Qt::Uninitialized);
  QRandomGenerator::system()->generate(bytes.begin(), bytes.end());
  return QString::fromLatin1(bytes.toHex());
}

// Compares digests, so that the time taken does not tell how much of a
// guess was right.
bool SameToken(const QByteArray& given, const QString& token) {
  const auto digest = [](const QByteArray& b) { return QCryptographicHash::hash(b, QCryptographicHash::Sha256); };
  return digest(given) == digest(token.toUtf8());
}
}  // namespace

QString ServerToken(CAppInfoBase& app, const QString& given, TokenSource& source) {
  source = TokenSource::Given;
  if (!given.isEmpty()) return given;
  CPersistable<QString, 1> saved{"ServeToken"};
  saved.Load(app);
  source = TokenSource::Saved;
  if (saved.Get().isEmpty()) {
    saved.Set(NewToken());
    source = saved.Save(app) == Result::Success ? TokenSource::Made : TokenSource::MadeOnly;
  }
  // Also a file from before tokens were kept private; later saves keep its mode.
  if (source != TokenSource::MadeOnly)
    QFile::setPermissions(app.Settings().fileName(), QFile::ReadOwner | QFile::WriteOwner);
  return saved.Get();
}

std::optional<ApiReply> RefuseChange(const QHttpServerRequest& request, const QString& token) {
  const QByteArray origin = request.value("origin");
  if (!origin.isEmpty() && origin != "http://" + request.value("host"))
    return ErrorReply(HttpStatus::Forbidden, Result::AccessDenied,
                      QStringLiteral("a page of another site may not change the tuner"));
  const QByteArray authorization = request.value("authorization");
  const QByteArray scheme = "Bearer ";
  if (!authorization.startsWith(scheme) || !SameToken(authorization.mid(scheme.size()), token))
    return ErrorReply(HttpStatus::Unauthorized, Result::AccessDenied,
                      QStringLiteral("a change needs the header \"Authorization: Bearer TOKEN\""));
  return std::nullopt;
}
