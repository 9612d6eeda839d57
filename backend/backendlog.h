#pragma once

#include <QLoggingCategory>

// "orvalis.backend", Backend's log (sequences, finished commands, decoding). Each
// layer logs under a category of its own, so that QT_LOGGING_RULES can turn one on
// alone.
Q_DECLARE_LOGGING_CATEGORY(backendLog)
