#include "update/updatelog.h"

Q_LOGGING_CATEGORY(updateLog, "orvalis.update")
