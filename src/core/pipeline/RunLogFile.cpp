#include "pipeline/RunLogFile.h"

#include <QDir>

#include "base/FileWrite.h"

QString RunLogPath(const QString& programDir) {
    return QDir(programDir).filePath(QStringLiteral("tavrolin.log"));
}

bool SaveRunLog(const QStringList& lines, const QString& programDir) {
    QByteArray data;
    for (const QString& line : lines) {
        data += line.toUtf8();
        data += "\r\n";
    }
    return WriteFileWhole(RunLogPath(programDir), data);
}
