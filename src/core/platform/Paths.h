#pragma once

#include <QString>

// path with its extension (the part from the last "." of the file name on)
// replaced by extension (which includes its dot); appended when there is none.
QString ChangeFileExt(const QString& path, const QString& extension);

// folder + "/" + name, without a doubled separator when folder ends in one.
QString JoinPath(const QString& folder, const QString& name);

// Whether a file (not a folder) exists.
bool FileExists(const QString& path);
