#pragma once

#include <QString>
#include <QStringList>

#include "sources/MPEGInfo.h"

class MediaLibrary;

// Checks source i (1-based) of a loaded project against its file with the media
// library of the given generation (4 old, 5 new): a missing file, a library that
// does not load, and each stored property that differs from what an analysis of
// the file gives now, one error text each. Also derives the fields a project
// does not store (Elementar, NavPacks, TonDatei) from the file.
QStringList CheckSource(int i, MPEGInfo& record, int generation, MediaLibrary& library);

// The differences between a stored record and a fresh analysis of its file, in
// the order: format, format text, play time, frame size, frame rate, aspect
// ratio, track count, then per stored track format, format text, bitrate and
// sampling rate.
QStringList SourceDifferences(int i, const MPEGInfo& stored, const MPEGInfo& found, int generation);

// Elementar, NavPacks and TonDatei of a record whose file exists: Elementar from
// the stored format, the others from a fresh analysis (found) or, without one,
// from the file itself and the companion files beside it. A missing file leaves
// them false and empty.
void DeriveFileFields(MPEGInfo& record, const MPEGInfo* found);
