#pragma once

#include <QLoggingCategory>

// "orvalis.app", the log of start-up, the language choice and the termination
// signals. Each layer logs under a category of its own, so that QT_LOGGING_RULES
// can turn one on alone.
Q_DECLARE_LOGGING_CATEGORY(appLog)
