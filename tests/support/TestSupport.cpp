#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempFolder::TempFolder() : dir_(QDir::tempPath() + QStringLiteral("/tavtest-XXXXXX")) {}

QString TempFolder::write(const QString& name, const QByteArray& content) const {
    const QString path = dir_.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(content);
    return path;
}
