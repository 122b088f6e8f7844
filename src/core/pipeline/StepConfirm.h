#pragma once

#include <QString>

#include "base/Dialogs.h"
#include "base/Log.h"

// Lets the user approve a step when single-step confirmation is on.
// True = go on, false = the user stopped the run (reason logged).
bool ConfirmStep(LogSink& log, Dialogs& dialogs, bool singleStep, const QString& stepName);
