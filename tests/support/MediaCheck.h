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
// The video of source as the multiplexer writes it: unchanged when the stream ends
// with a sequence end code, else without its final picture (which mplex drops).
QByteArray AfterMultiplexing(const QByteArray& source);
// The video with the aspect-ratio field of every sequence header cleared:
// dvdauthor writes the display aspect there, the pictures stay untouched.
QByteArray WithoutAspectInfo(QByteArray video);
// Output of a command (stdout and stderr merged); exit code in *code.
QString Run(const QString& program, const QStringList& arguments, int* code = nullptr);

}  // namespace MediaCheck
