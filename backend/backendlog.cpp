#include "backend/backendlog.h"

Q_LOGGING_CATEGORY(backendLog, "orvalis.backend")
