#pragma once

#include <QString>
#include <optional>

// What the program reads straight from an optical drive's device (or from any
// file standing in for one): the disc's volume label and the medium's size.

// The text a drive entry shows for a drive without a medium.
inline QString NoMediumText() {
    return QStringLiteral("- Leer -");
}
// The text a drive entry shows for a disc without a label.
inline QString NoLabelText() {
    return QStringLiteral("- Ohne Titel -");
}

// The volume label from the ISO 9660 primary volume descriptor (sector 16,
// bytes 40-71), without trailing blanks. Empty for a medium without such a
// descriptor or with a blank label; nothing when the device cannot be read
// (no medium).
std::optional<QString> ReadVolumeLabel(const QString& device);

// The drive entry with the text after its address replaced by the disc's
// label, "- Ohne Titel -" or "- Leer -".
QString LabelledEntry(const QString& entry);

// The size of the medium in bytes (2048-byte sectors); -1 when it cannot be read.
qint64 MediumBytes(const QString& device);
