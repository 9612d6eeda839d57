#pragma once

#include <QLoggingCategory>

// "orvalis.commissioning", the log of the settings files and the copy kept
// before an update.
Q_DECLARE_LOGGING_CATEGORY(commissioningLog)
