#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes as the whole new content of path, the one way the program writes
// its files: into a temporary file beside it, unbuffered, every byte and the
// final size checked, then renamed over the old file. A full disk or any other
// error leaves the old file as it was and returns false (a buffered commit can
// report success after a short write).
bool WriteFileWhole(const QString& path, const QByteArray& bytes);
