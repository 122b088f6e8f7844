#include "sources/NavPack.h"

#include <QByteArray>
#include <QFile>

bool HasNavPacks(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = file.read(kNavPackWindow);
    static const QByteArray pci = QByteArray::fromHex("000001BF03D4");
    static const QByteArray dsi = QByteArray::fromHex("000001BF03FA");
    return head.contains(pci) || head.contains(dsi);
}
