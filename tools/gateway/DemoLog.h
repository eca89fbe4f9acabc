#pragma once

#include <QLoggingCategory>

// Every envelope the gateway receives is logged here at debug level; the demo SMS codes and
// the start-up lines at info level.
Q_DECLARE_LOGGING_CATEGORY(lcDemo)
