#pragma once

#include <QString>

#include "gui/window/Tavrolin.h"
#include "platform/ProgramFolders.h"

// tavrolin --convert: opens the project file in the window without a screen,
// selects the stage to start with (startAt, empty = as stored), presses Start and
// writes the log to standard output as it grows. Returns the exit code: 0 when
// the run reached its normal end, 1 otherwise.
int BatchConvert(const ProgramFolders& folders, WindowServices services, const QString& project,
                 const QString& startAt);
