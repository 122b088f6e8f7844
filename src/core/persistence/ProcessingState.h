#pragma once

#include <QString>

#include "base/Log.h"

// Records number as Bearbeitung/Stand in file and logs the outcome
// ("[%.3d] Bearbeitungsstand gesichert." or "... konnte nicht gesichert werden.")
// followed by a blank line. A failure does not stop the run.
bool StateWrite(LogSink& log, const QString& file, int number);

// Bearbeitung/Stand of file; 0 when absent.
int StateRead(const QString& file);
