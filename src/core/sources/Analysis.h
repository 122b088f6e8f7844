#pragma once

#include <QString>

#include "sources/MPEGInfo.h"

class MediaLibrary;
class SourceTable;

// Appends an admitted file to the table and fills its record from the media
// library of the given generation (4 or 5): properties, audio tracks (or the
// companion audio files of an elementary stream), navigation packs and the DVD
// defaults. Returns the new record's index, 0 when nothing was added (library not
// loadable, table full). The title-set pass is left to the caller.
int AnalyseSource(const QString& path, int generation, MediaLibrary& library, SourceTable& table);

// The DVD-side defaults of a freshly analysed record: track 0 German, further
// tracks English; a 48 kHz track keeps its bitrate, any other one gets the next
// higher bitrate (384 stays, unknown stays unknown) because it is resampled.
void SetDvdDefaults(MPEGInfo& record);
