#pragma once

#include <QString>

#include "base/Dialogs.h"
#include "base/Log.h"
#include "base/Outcome.h"

// Logs the free space of the volume that holds folder; false, with a "Fehler:"
// line, when it cannot be measured. freeKB: the space in KiB.
bool LogFreeSpace(LogSink& log, const QString& folder, qint64* freeKB = nullptr);
// The same, and when neededKB is more than is free, asks whether to stop:
// Done = go on (room enough, or the user goes on anyway), Aborted = the user
// stopped, Failed = the space could not be measured.
Outcome SpaceFor(LogSink& log, Dialogs& dialogs, const QString& folder, qint64 neededKB);
