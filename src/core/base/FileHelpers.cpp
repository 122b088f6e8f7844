#include "base/FileHelpers.h"

#include <QDir>
#include <QDirIterator>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

qint64 FileSizeKB(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() ? info.size() / 1024 : 0;
}

qint64 FileSizeOf(const QString& path) {
    const QFileInfo info(path);
    return info.exists() ? info.size() : -1;
}

qint64 DirSize(const QString& folder, bool recursive) {
    qint64 sum = 0;
    const QDir dir(folder);
    for (const QFileInfo& entry :
         dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (entry.isDir()) {
            if (recursive && !entry.fileName().startsWith(QLatin1Char('.')))
                sum += DirSize(entry.filePath(), true);
        } else {
            sum += entry.size();
        }
    }
    return sum;
}

qint64 OutputSizeKB(const QStringList& outputs) {
    qint64 bytes = 0;
    for (const QString& output : outputs) {
        const QFileInfo info(output);
        if (info.fileName().contains(QLatin1Char('*'))) {
            for (const QFileInfo& match : info.dir().entryInfoList({info.fileName()}, QDir::Files))
                bytes += match.size();
        } else {
            bytes += info.isDir() ? DirSize(output, true) : info.isFile() ? info.size() : 0;
        }
    }
    return bytes / 1024;
}

bool DeleteTree(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return true;
    if (info.isDir() && !info.isSymLink()) return QDir(path).removeRecursively();
    return QFile::remove(path);
}

void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
