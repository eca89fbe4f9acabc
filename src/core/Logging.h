#pragma once

#include <QByteArray>
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcGateway) // "chenglan.gateway": one line per request and answer
// "chenglan.gateway.body": the bodies, masked; off unless asked for
// (QT_LOGGING_RULES="chenglan.gateway.body.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcGatewayBody)
Q_DECLARE_LOGGING_CATEGORY(lcStore)   // "chenglan.store": the user-defaults file
Q_DECLARE_LOGGING_CATEGORY(lcSession) // "chenglan.session": sign-in and sign-out

namespace Logging {

// A gateway body fit for a log: every password, document number, account number and
// address in it, at any depth, replaced by "***"; a body that is not JSON is only sized.
QByteArray maskedBody(const QByteArray &body);

} // namespace Logging
