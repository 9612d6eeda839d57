#include "diagnostics/diagnosticslog.h"

Q_LOGGING_CATEGORY(diagnosticsLog, "orvalis.diagnostics")
