#include "support/TestSupport.h"

#include <QTimer>

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WhenTrue(std::function<bool()> condition, std::function<void()> act) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, condition, act] {
        if (!condition()) return;
        timer->stop();
        timer->deleteLater();
        act();
    });
    timer->start(5);
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
