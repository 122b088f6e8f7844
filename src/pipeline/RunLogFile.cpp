#include "pipeline/RunLogFile.h"

#include <QDir>
#include <QSaveFile>

QString RunLogPath(const QString& programDir) {
    return QDir(programDir).filePath(QStringLiteral("tavrolin.log"));
}

bool SaveRunLog(const QStringList& lines, const QString& programDir) {
    QSaveFile file(RunLogPath(programDir));
    if (!file.open(QIODevice::WriteOnly)) return false;
    QByteArray data;
    for (const QString& line : lines) {
        data += line.toUtf8();
        data += "\r\n";
    }
    return file.write(data) == data.size() && file.commit();
}
