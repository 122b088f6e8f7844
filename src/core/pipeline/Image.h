#pragma once

#include "base/CommandPlan.h"
#include "base/Outcome.h"
#include "pipeline/RunContext.h"

// Makes the ISO image of the DVD folder (mkisofs), optionally split.
// A stop is logged.
Outcome MakeImage(RunContext& ctx);

// Whether the DVD folder holds VIDEO_TS/VIDEO_TS.IFO, in any letter case.
bool HasVideoManager(const QString& dvd);

// The mkisofs call that writes the DVD-Video image of dvd (split: in parts) to
// written; the log names the image by its final name.
CommandPlan MkisofsPlan(const QString& mkisofs, const QString& label, bool split, const QString& image,
                        const QString& written, const QString& dvd);
// The image and the split parts (image + "_00", "_01", ...) that exist, in KiB.
qint64 ImageSizeKB(const QString& image);
