#pragma once

#include <QString>

#include "base/Dialogs.h"

class MediaLibrary;

// Files over this size (2 GiB, in KiB) need jrDMUX.
constexpr qint64 kLargeFileKB = 2097152;

// Admission of a candidate source. Both checks tell the user why a file is
// refused, one message per refusal, and return false then.

// Refuses a path with a line break, an empty or missing file (under 1 KiB counts
// as empty), and a file over 2 GiB unless jrDMUX is available.
bool AdmitBySize(const QString& path, bool jrDmux, Dialogs& dialogs);

// Refuses what the program cannot convert: formats other than MPEG-1/2 program
// streams and video elementary streams, an unknown number of audio tracks or more
// than two, program streams with no supported track or with AC-3 but no jrDMUX,
// and elementary streams without a usable companion audio file. generation is
// the library generation just probed; 0 (no library) refuses the file. A library
// that does not load lets the file pass (the analysis then adds nothing).
bool AdmitByContent(const QString& path, int generation, MediaLibrary& library, bool jrDmux,
                    Dialogs& dialogs);
