#pragma once

#include <QString>
#include <QStringList>

// Writes the whole log as "tavrolin.log" into the program folder: every line
// followed by CR LF, UTF-8, replacing the previous file. False when it failed.
bool SaveRunLog(const QStringList& lines, const QString& programDir);

// The run log file's path for a program folder.
QString RunLogPath(const QString& programDir);
