#pragma once

#include <QByteArray>
#include <QString>

// Checks of media files with ffprobe/ffmpeg for the integration tests.
namespace MediaCheck {

// A stream property by ffprobe ("a:0", "sample_rate"); empty when missing.
QString Probe(const QString& file, const QString& stream, const QString& entry);
// Number of streams of a kind ("a", "v").
int StreamCount(const QString& file, const QString& kind);
// The first video elementary stream of a file, copied out with ffmpeg.
QByteArray VideoBitstream(const QString& file);
// Whether result is source, or source without exactly its last picture: the
// multiplexer drops the final picture of a stream that lacks a sequence end code.
bool SameVideo(const QByteArray& source, const QByteArray& result);
// Output of a command (stdout and stderr merged); exit code in *code.
QString Run(const QString& program, const QStringList& arguments, int* code = nullptr);

}  // namespace MediaCheck
