#pragma once
// Who may do what: reads are open; a change needs the bearer token and may
// not come from a page of another site; no body may exceed the limit. Every
// refusal happens before the tuner is touched.

#include <QHttpServerRequest>
#include <QString>
#include <optional>

#include "model/AppInfo.h"
#include "server/ApiReply.h"

// The largest body a request may carry; a larger one is refused from its head.
constexpr qsizetype kLargestBody = 4096;

// Where the token of a run comes from.
enum class TokenSource {
  Given,     // for this run
  Saved,     // kept in the settings from an earlier run
  Made,      // new, and now kept in the settings: shown once
  MadeOnly,  // new, but the settings could not keep it: it holds for this run
};

// The token given, else the saved one, else a new one that is saved. A
// settings file that holds a token is readable by its owner alone.
QString ServerToken(CAppInfoBase& app, const QString& given, TokenSource& source);

// Why a change is refused (another site's page, no or a wrong token).
std::optional<ApiReply> RefuseChange(const QHttpServerRequest& request, const QString& token);
