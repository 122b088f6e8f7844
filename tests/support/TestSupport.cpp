#include "support/TestSupport.h"

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TempFolder::TempFolder() : dir_(QDir::tempPath() + QStringLiteral("/tavtest-XXXXXX")) {}

QString TempFolder::write(const QString& name, const QByteArray& content) const {
    const QString path = QFileInfo(name).isAbsolute() ? name : dir_.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(content);
    return path;
}

QString TempFolder::executable(const QString& name, const QByteArray& content) const {
    const QString path = write(name, content);
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
    return path;
}
