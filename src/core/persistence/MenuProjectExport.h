#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class SourceTable;

// The menu project "Projekt.ini": the volume label, the main menu file and one
// line per source for use outside the program.

// Title-set numbers of the menu project, one per source from 1: a source opens a
// new one when its video or source-side audio properties differ from its
// predecessor's. Independent of the sources' own title sets.
QVector<int> MenuTitleSets(const SourceTable& table);

// The lines of the file, without line ends.
QStringList MenuProjectLines(const QString& label, const QString& menuFile, const SourceTable& table);

enum class MenuExportResult { Written, OldFileKept, NotWritten };

// Replaces the file by the lines, each ended by CR LF. OldFileKept when an
// existing entry cannot be replaced (no file, or write-protected); a failed
// write (NotWritten) leaves the old file as it was.
MenuExportResult WriteMenuProject(const QString& path, const QStringList& lines);
