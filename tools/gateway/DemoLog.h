#pragma once

#include <QJsonObject>
#include <QLoggingCategory>

// "chenglan.demo": one line per request with its code, sizes and flag (debug level), the
// demo SMS codes and start-up lines (info). No body and no customer data.
Q_DECLARE_LOGGING_CATEGORY(lcDemo)
// "chenglan.demo.body": the parameters of each request, off unless asked for
// ("chenglan.demo.body.debug=true"), with the secrets masked all the same.
Q_DECLARE_LOGGING_CATEGORY(lcDemoBody)

namespace DemoLog {

// `params` with passwords (plain or encrypted), document, account and card numbers and
// addresses replaced by a mask that keeps only their length, at any depth.
QJsonObject masked(const QJsonObject &params);

} // namespace DemoLog
