#pragma once

#include <QString>
#include <QStringList>

class RunContext;

// The chapter marks of a disc's entry points, from the XML lines the rip
// helper writes (<entry id="entry-001">4.170911</entry>): one time text per
// entry with a value, in order; the start of the disc (value 0, or an entry
// without a value) is no chapter.
QStringList EntryPointChapters(const QStringList& xmlLines);

// Reads the entry points of the last rip ({temp}/vcd.xml, else {temp}/svcd.xml)
// into the chapter file beside target (extension ".Kapitel"), logging them.
void ReadRipChapters(RunContext& ctx, const QString& tempFolder, const QString& target);
