#include "acquisition/DiscDevice.h"

#include <QFile>

#include <unistd.h>

#include "acquisition/DriveList.h"

namespace {

constexpr qint64 kSectorBytes = 2048;
constexpr qint64 kDescriptorSector = 16;
constexpr int kLabelOffset = 40;
constexpr int kLabelBytes = 32;

}  // namespace

std::optional<QString> ReadVolumeLabel(const QString& device) {
    QFile disc(device);
    if (!disc.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return std::nullopt;
    if (!disc.seek(kDescriptorSector * kSectorBytes)) return std::nullopt;
    const QByteArray descriptor = disc.read(kSectorBytes);
    if (descriptor.size() < kLabelOffset + kLabelBytes) return std::nullopt;
    // Type 1 (primary) and the standard identifier.
    if (descriptor[0] != 1 || descriptor.mid(1, 5) != "CD001") return QString();
    QByteArray label = descriptor.mid(kLabelOffset, kLabelBytes);
    label.replace('\0', ' ');
    return QString::fromLatin1(label).trimmed();
}

QString LabelledEntry(const QString& entry) {
    const std::optional<QString> label = ReadVolumeLabel(ParseDriveEntry(entry).device);
    if (!label) return WithEntryText(entry, NoMediumText());
    return WithEntryText(entry, label->isEmpty() ? NoLabelText() : *label);
}

qint64 MediumBytes(const QString& device) {
    QFile disc(device);
    if (!disc.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return -1;
    // A block device reports no size of its own; its end does.
    const off_t end = ::lseek(disc.handle(), 0, SEEK_END);
    return end < 0 ? -1 : static_cast<qint64>(end);
}
