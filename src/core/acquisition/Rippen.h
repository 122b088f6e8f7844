#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "base/CommandPlan.h"
#include "base/Outcome.h"
#include "pipeline/RunSupport.h"

class RunContext;

// Getting MPEG tracks off (S)VCDs with the rip helper (Allgemein.lkVCDxRip):
// from discs in drives or from .bin/.nrg images. Each acquired track is moved
// to its name in the rip folder (Pfade.RIProot), its entry points become a
// chapter file beside it, and with ChRipDatei it is added to the source list.
// The helper works in {rip}/temp, which is made empty before and removed after.
//
// Discs are not mounted, so their files cannot be looked at before the rip:
// the helper reads the disc at the entry's SCSI address, and the main track is
// the first of the layouts' track paths it wrote below {rip}/temp (none: "Die
// Quelle ist keine (S)VCD."). The expected size comes from the medium's size
// as its device reports it, and the gauge follows whichever track grows.
// A helper ended through Abort never counts: nothing is moved or added, and
// the drivers stop before the next disc or image.

// What the rip tab hands to an acquisition besides the run context.
struct RipJob {
    QString ripName;  // EdNameRip; empty: discs are named after their label
    // Adds an acquired file to the source list; true when it was added.
    std::function<bool(const QString&)> addRippedFile;
};

// Rips the discs of the selected drive entries (those of the usable combos
// CoLWRipA..C, in order); entries of empty drives are left out. Failed when
// any disc failed (or nothing could be ripped), Aborted when the user stopped it.
Outcome RipDiscs(RunContext& ctx, const QStringList& entries, const RipJob& job);
// Rips one drive entry; index is its position among the discs taken.
bool RipDisc(RunContext& ctx, const QString& entry, int index, const RipJob& job);

// Extracts the images in list order; the outcome as for RipDiscs.
Outcome ExtractImages(RunContext& ctx, const QStringList& images, const RipJob& job);
// Extracts one image; index is its position in the image list.
bool ExtractImage(RunContext& ctx, const QString& image, int index, const RipJob& job);

// The helper's call that rips the disc at the SCSI address ("1,0,0") into temp.
CommandPlan DiscRipPlan(const QString& helper, const QString& temp, const QString& address);
// The helper's call that extracts a .bin (/b) or .nrg (/n) image into temp; no
// arguments for any other image.
CommandPlan ExtractionPlan(const QString& helper, const QString& temp, const QString& image);
