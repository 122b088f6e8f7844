#pragma once

#include <QString>
#include <QStringList>

// Size of a file in KiB (bytes div 1024); 0 when it does not exist.
qint64 FileSizeKB(const QString& path);
// Size of a file in bytes; -1 when it does not exist.
qint64 FileSizeOf(const QString& path);
// Sum of the sizes of a folder's files; with recursive, also of every subfolder
// whose name does not begin with ".".
qint64 DirSize(const QString& folder, bool recursive);
// The size in KiB of a tool's outputs: files, folders with everything in them,
// and names with "*" for every matching file in their folder.
qint64 OutputSizeKB(const QStringList& outputs);
// Deletes a file or a folder with everything in it. True when it is gone.
bool DeleteTree(const QString& path);
// Waits ms milliseconds while the window keeps working.
void Wait(int ms);
