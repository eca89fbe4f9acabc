#include "Logging.h"

Q_LOGGING_CATEGORY(lcGateway, "chenglan.gateway")
Q_LOGGING_CATEGORY(lcStore, "chenglan.store")
Q_LOGGING_CATEGORY(lcSession, "chenglan.session")
