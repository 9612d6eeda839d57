#include "app/publish.h"

#include "app/version.h"
#include "backend/backend.h"
#include "backend/measurementtable.h"
#include "backend/settingstable.h"
#include "commissioning/settingsdocument.h"
#include "commissioning/settingsfiles.h"
#include "diagnostics/alarmhistory.h"
#include "diagnostics/busmonitor.h"
#include "diagnostics/connecthelp.h"
#include "diagnostics/linesearch.h"
#include "diagnostics/linkstate.h"
#include "diagnostics/measurementrecorder.h"
#include "diagnostics/operationreport.h"
#include "line/linemodules.h"
#include "report/commissioningreport.h"
#include "link/tmodbus.h"

#include <QQmlContext>

void publishObjects(QQmlContext *context, Backend *backend, TModbus *worker)
{
    context->setContextProperty(QStringLiteral("backend"), backend);
    context->setContextProperty(QStringLiteral("measurementTable"), new MeasurementTable(backend));
    // The module's settings, their ranges and texts, for the pages' fields.
    context->setContextProperty(QStringLiteral("settingsTable"), new SettingsTable(backend));
    // Owned by the Backend they watch, so they go with it.
    context->setContextProperty(QStringLiteral("measurementRecorder"), new MeasurementRecorder(backend, backend));
    auto *alarmHistory = new AlarmHistory(backend, backend);
    context->setContextProperty(QStringLiteral("alarmHistory"), alarmHistory);
    // Listens to the link only while its view is open.
    context->setContextProperty(QStringLiteral("busMonitor"), new BusMonitor(worker->client(), backend));
    context->setContextProperty(QStringLiteral("linkState"), new LinkState(backend, worker->client(), backend));
    context->setContextProperty(QStringLiteral("operationReport"), new OperationReport(backend, worker, backend));
    auto *lineSearch = new LineSearch(backend, backend);
    context->setContextProperty(QStringLiteral("lineSearch"), lineSearch);
    context->setContextProperty(QStringLiteral("connectHelp"),
                                new ConnectHelp(backend, worker->client(), lineSearch, backend));
    auto *settingsFiles = new SettingsFiles(backend, backend);
    context->setContextProperty(QStringLiteral("settingsFiles"), settingsFiles);
    // A settings file edited without a module.
    context->setContextProperty(QStringLiteral("settingsDocument"), new SettingsDocument(backend));
    auto *lineModules = new LineModules(backend, settingsFiles, backend);
    context->setContextProperty(QStringLiteral("lineModules"), lineModules);
    context->setContextProperty(QStringLiteral("commissioningReport"),
                                new CommissioningReport(backend, lineModules, alarmHistory, worker->client(),
                                                        QStringLiteral(ORVALIS_VERSION), backend));
    context->setContextProperty(QStringLiteral("SW_VERSION"), QStringLiteral(ORVALIS_VERSION));
}
