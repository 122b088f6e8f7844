#pragma once

#include "sources/MPEGInfo.h"

// A chapter file with more lines than this is ignored as a whole.
constexpr int kMaxChapterLines = 256;

// Reads the chapter files beside a source into its Kapitel:
//  <name>.Kapitel  one time text per line ("00:10:00.000", further characters on
//                  a line are dropped);
//  <name>.txt      one frame number per line; it wins over a .Kapitel file.
// A file with a malformed line (an empty line, a frame number beyond 99:59:59.960),
// or with more than kMaxChapterLines lines, is ignored silently, as is a missing
// one or anything that is no regular file; Kapitel then keeps its value.
void ReadChapterFile(MPEGInfo& record);
