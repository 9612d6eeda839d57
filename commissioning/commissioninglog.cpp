#include "commissioning/commissioninglog.h"

Q_LOGGING_CATEGORY(commissioningLog, "orvalis.commissioning")
