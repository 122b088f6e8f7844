#pragma once

#include <QString>
#include <QStringList>

// The separate audio files of a video elementary stream, in the order they are
// tried: the extension replaced by ".mp2" and ".mpa", then "-0.mp2" and "-1.mp2"
// after the name without its extension (the demultiplexer's own output names).
QStringList CompanionCandidates(const QString& path);

// At most this many companion files are taken.
constexpr int kMaxCompanions = 2;
