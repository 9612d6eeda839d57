#ifndef BACKEND_SETTINGSJOB_H
#define BACKEND_SETTINGSJOB_H

#include "backend/backend.h"
#include "backend/modulesettings.h"

#include <QStringList>

// A settings-file operation under way (backendsettings.cpp).
struct Backend::SettingsJob {
    enum class Kind { Save, Compare, Restore, BeforeUpdate };
    enum class Step { Reading, WritingAndReadingBack };

    Kind kind = Kind::Save;
    QString path; // the settings file, or the firmware image before an update
    ModuleSettings file;
    bool includeSerial = false;
    QByteArray image; // the firmware, read before the settings

    Step step = Step::Reading;
    // This step's records are those finished as numbers first + 1 to last.
    quint64 first = 0;
    quint64 last = 0;
    ModuleSettings::ReadWords words;
    QStringList unreadBlocks;
    QStringList written;    // blocks the module acknowledged
    QStringList writeErrors; // blocks not written
    QStringList uncertain;  // blocks sent without an answer: taken or not, nobody knows
    int writes = 0;
    bool givenUp = false;
    bool serialWritten = false; // the module's own line settings were among the writes
    bool linkMoves = false;     // ... and they are not the link's
};

#endif
