#pragma once

#include <QString>

#include "base/Dialogs.h"
#include "base/Log.h"
#include "base/Outcome.h"

// Lets the user approve a step when single-step confirmation is on.
// Done = go on, Aborted = the user said no, Failed = the question was closed
// without an answer (reason logged).
Outcome ConfirmStep(LogSink& log, Dialogs& dialogs, bool singleStep, const QString& stepName);
