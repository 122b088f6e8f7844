#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Runs tools and checks media files with ffprobe/ffmpeg for the integration tests.
namespace MediaCheck {

// Output of a program run with standard input closed (stdout and stderr merged); its exit code
// in *code, -1 when it crashed or did not end; extra environment as "NAME=value".
QString Run(const QString& program, const QStringList& arguments, int* code = nullptr,
            const QStringList& environment = {});
// Runs a tool; false (with its output as a warning) when it fails.
bool Runs(const QString& program, const QStringList& arguments);
// ffprobe's entries ("stream=codec_name,sample_rate:format=format_name"): a line per
// stream, then the format, values separated by commas.
QString Probe(const QString& file, const QString& entries);
// The first video elementary stream of a file, copied out with ffmpeg.
QByteArray VideoBitstream(const QString& file);
// The video of source as the multiplexer writes it: unchanged when the stream ends
// with a sequence end code, else without its final picture (which mplex drops).
QByteArray AfterMultiplexing(const QByteArray& source);
// The video with the aspect-ratio field of every sequence header cleared:
// dvdauthor writes the display aspect there, the pictures stay untouched.
QByteArray WithoutAspectInfo(QByteArray video);

}  // namespace MediaCheck
