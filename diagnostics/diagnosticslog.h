#pragma once

#include <QLoggingCategory>

// "orvalis.diagnostics", the log of what the tool tells of the line beyond the
// pages. Each layer logs under a category of its own, so that QT_LOGGING_RULES can
// turn one on alone.
Q_DECLARE_LOGGING_CATEGORY(diagnosticsLog)
