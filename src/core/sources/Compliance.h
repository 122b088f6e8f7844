#pragma once

#include <QString>

#include "sources/SourceTable.h"

// Whether disc players are likely to take the sources: DVD-Video for PAL has
// the picture sizes 720x576, 704x576, 352x576 and 352x288 at 25 frames per
// second; a disc holds one video system. The program converts other sources
// too; these rules only warn.

enum class VideoSystem { Pal, Ntsc, Unknown };

// By the frame rate text ("25.000" PAL; 29.97, 30, 23.976 and 24 NTSC).
VideoSystem SystemOf(const QString& frameRate);
// Whether a picture size ("352x288") is one of DVD-Video's for PAL.
bool IsPalDvdSize(const QString& size);

// A short note on a source whose picture size or frame rate is not DVD-Video
// for PAL; empty when both are (or are not known).
QString PlayerNote(const MPEGInfo& source);

// Whether the sources mix PAL and NTSC, and the warning that says so.
bool MixesSystems(const SourceTable& sources);
QString MixedSystemsWarning();
