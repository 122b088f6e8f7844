#pragma once

#include <QByteArray>
#include <QMap>

#include "support/TestSupport.h"

// Runs the program's helper tools and real tools from integration tests.
namespace ToolProcess {

struct Result {
    int exitCode = -1;
    bool crashed = false;
    QByteArray output;  // standard output and error, merged
};

// A helper tool in the program's bin/ folder.
QString Adapter(const QString& name);

// Runs a program with standard input closed; extra environment as "NAME=value".
Result Run(const QString& program, const QStringList& arguments, const QStringList& environment = {});

// ffprobe's view of a file, keys like "format_format_name" and
// "streams_stream_0_codec_name"; values without quotes.
QMap<QString, QString> Probe(const QString& path);

}  // namespace ToolProcess
