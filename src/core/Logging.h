#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcGateway) // "chenglan.gateway": envelopes sent and answers
Q_DECLARE_LOGGING_CATEGORY(lcStore)   // "chenglan.store": the user-defaults file
Q_DECLARE_LOGGING_CATEGORY(lcSession) // "chenglan.session": sign-in and sign-out
