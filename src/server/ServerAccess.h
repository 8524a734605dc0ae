#pragma once
// Who may do what: reads are open; a change needs the bearer token and may
// not come from a page of another site; no body may exceed the limit. Every
// refusal happens before the tuner is touched.

#include <QHttpServerRequest>
#include <QString>
#include <optional>

#include "model/AppInfo.h"
#include "server/ApiReply.h"

constexpr qsizetype kLargestBody = 4096;

// The token given, else the saved one, else a new one that is saved (then
// generated is set, so that it is shown once).
QString ServerToken(CAppInfoBase& app, const QString& given, bool& generated);

// Why a request is refused outright (its body is too large); none when not.
std::optional<ApiReply> RefuseRequest(const QHttpServerRequest& request);
// Why a change is refused (another site's page, no or a wrong token).
std::optional<ApiReply> RefuseChange(const QHttpServerRequest& request, const QString& token);
