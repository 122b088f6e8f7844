#include "base/Volume.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

QString NearestExisting(const QString& path) {
    QString current = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    while (!QFileInfo::exists(current)) {
        const QString parent = QFileInfo(current).path();
        if (parent == current) break;
        current = parent;
    }
    return current;
}

}  // namespace

VolumeInfo QueryVolume(const QString& path) {
    VolumeInfo info;
    if (path.isEmpty()) return info;
    QStorageInfo storage(NearestExisting(path));
    storage.refresh();
    if (!storage.isValid() || !storage.isReady()) return info;
    info.valid = true;
    info.root = storage.rootPath();
    if (!info.root.endsWith(QLatin1Char('/'))) info.root += QLatin1Char('/');
    info.availableBytes = storage.bytesAvailable();
    info.totalBytes = storage.bytesTotal();
    return info;
}
