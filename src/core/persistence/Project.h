#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "sources/MPEGInfo.h"

class IniFile;
class MediaLibrary;
class SourceTable;

// Project files (*.tvpr): the settings part (written and read by the settings
// code) followed by section "Quellen" and one section "Quelle01".."Quelle30" per
// source. The run's project backup adds section "Bearbeitung".

// Writes section Quellen and the sources' sections into the document. Sections
// and keys of sources that no longer exist are removed; other sections stay.
void ProjectWrite(IniFile& file, const SourceTable& table);
// Same into a file; false when it could not be read or written.
bool ProjectSave(const QString& path, const SourceTable& table);

// Reads source i (1-based) of the document into record. A track count that is
// not a number from 0 to 2 loads as 0 tracks and gives an error text.
QStringList ReadProjectSource(const IniFile& file, int i, MPEGInfo& record);

// The media library as a project load uses it: the library and the probe that
// answers which generation is there now (0 none, 4 old, 5 new).
struct ProjectMedia {
    MediaLibrary& library;
    std::function<int()> probe;
};

struct ProjectLoadOutcome {
    QStringList errors;      // differences and reading errors, in source order
    int withoutLibrary = 0;  // sources that could not be compared: no library
};

// Replaces the table by the document's sources (at most 30), taking the
// title-set numbering as stored, and checks every source against its file.
ProjectLoadOutcome ProjectRead(const IniFile& file, SourceTable& table, const ProjectMedia& media);
// Same from a file; an unreadable file counts as an empty one.
ProjectLoadOutcome ProjectLoad(const QString& path, SourceTable& table, const ProjectMedia& media);

// The one message that reports the errors of a load; empty when there are none.
QString ProjectErrorMessage(const QStringList& errors);

// The message shown for each source when no media library is there.
QString NoLibraryMessage();
