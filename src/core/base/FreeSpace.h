#pragma once

#include <QString>

#include "base/Dialogs.h"
#include "base/Log.h"

// Logs the free space of the volume that holds folder and, when neededKB is more
// than is free, asks whether to abort. True = abort (the user said so, or the
// space could not be measured), false = go on. neededKB 0 only reports.
bool CheckFreeSpace(LogSink& log, Dialogs& dialogs, const QString& folder, qint64 neededKB);
