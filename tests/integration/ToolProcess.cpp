#include "integration/ToolProcess.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace ToolProcess {

QString Adapter(const QString& name) {
    return QStringLiteral(TAV_TOOL_DIR "/") + name;
}

Result Run(const QString& program, const QStringList& arguments, const QStringList& environment) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& entry : environment)
        env.insert(entry.section('=', 0, 0), entry.section('=', 1));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    Result result;
    if (!process.waitForStarted() || !process.waitForFinished(600000)) return result;
    result.crashed = process.exitStatus() == QProcess::CrashExit;
    result.exitCode = process.exitCode();
    result.output = process.readAll();
    return result;
}

QMap<QString, QString> Probe(const QString& path) {
    const Result result =
        Run(QStringLiteral("ffprobe"),
            {"-v", "error", "-show_entries",
             "format=format_name:stream=codec_type,codec_name,sample_rate,channels,bit_rate,width,"
             "height",
             "-of", "flat=s=_", path});
    QMap<QString, QString> values;
    for (const QByteArray& line : result.output.split('\n')) {
        const int equals = line.indexOf('=');
        if (equals < 0) continue;
        QString value = QString::fromUtf8(line.mid(equals + 1));
        if (value.startsWith('"') && value.endsWith('"')) value = value.mid(1, value.size() - 2);
        values.insert(QString::fromUtf8(line.left(equals)), value);
    }
    return values;
}

}  // namespace ToolProcess
