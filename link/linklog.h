#pragma once

#include <QLoggingCategory>

// "orvalis.link", the link's log (port, client, line guard, worker queue). Each
// layer logs under a category of its own, so that QT_LOGGING_RULES can turn one on
// alone.
Q_DECLARE_LOGGING_CATEGORY(linkLog)
