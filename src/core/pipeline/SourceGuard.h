#pragma once

#include <QString>

class RunContext;
class SourceTable;

// The user's files are never deleted or overwritten by a run. Every deletion in
// the working and DVD folders goes through DeleteRunFile, which keeps a source's
// own file (its main file or a companion audio file) and every folder holding
// one. Paths are compared as canonical paths, so another spelling or a link
// cannot hide a source.

// The source file (as the table names it) that path is, or that lies inside path
// when it is a folder; empty when none.
QString SourceFileAt(const SourceTable& table, const QString& path);

enum class Removal { Gone, SourceKept, Stuck };
// Deletes a file or a folder with everything in it, trying up to tries times
// waitMs apart. A source's own file is kept, with the line
// "Hinweis:   Originaldatei <source> wird nicht gelöscht.".
Removal DeleteRunFile(RunContext& ctx, const QString& path, int tries = 1, int waitMs = 0);
