#include "acquisition/VcdImage.h"

#include <QFile>
#include <QFileInfo>
#include <functional>

#include "platform/Paths.h"

namespace {

// The first 32 bytes of a raw (2352-byte sector) image of a mode-2 disc: sync
// pattern, header of sector 00:02:00 in mode 2, form-1 subheader, zeros.
const QByteArray& RawMode2Start() {
    static const QByteArray start = QByteArray::fromHex(
        "00ffffffffffffffffffff00"
        "00020002"
        "0000080000000800"
        "0000000000000000");
    return start;
}

constexpr qint64 kNeroXaOffset = 388808;
constexpr qint64 kNeroDirectoryOffset = 392340;
constexpr int kNeroScanBytes = 600;
constexpr qint64 kBinDirectoryOffset = 42337;
constexpr int kBinScanBytes = 500;

// Reads at most limit bytes from offset, one at a time, keeping a window of the
// last width bytes; true as soon as found(window) is.
bool ScanWindow(QFile& file, qint64 offset, int limit, int width,
                const std::function<bool(const QByteArray&)>& found) {
    if (!file.seek(offset)) return false;
    QByteArray window;
    for (const char byte : file.read(limit)) {
        window.append(byte);
        if (window.size() > width) window.remove(0, 1);
        if (found(window)) return true;
    }
    return false;
}

// The track a window of the directory area names; empty when none yet.
QString TrackIn(const QByteArray& window) {
    if (window.contains("MPEG2")) return SvcdTrack();
    if (window.contains("MPEGAV")) return VcdTrack();
    const int at = window.indexOf("MPEG");
    return at == 0 || at == 1 ? OldVcdTrack() : QString();
}

}  // namespace

QString FoundTrack(const QString& folder) {
    for (const QString& track : {SvcdTrack(), VcdTrack(), OldVcdTrack(), OldVcdDatTrack()})
        if (FileExists(folder + track)) return track;
    return QString();
}

bool IsVcdImage(const QString& path) {
    if (!FileExists(path)) return false;  // a FIFO would block
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    if (file.read(RawMode2Start().size()) == RawMode2Start()) return true;
    if (!file.seek(kNeroXaOffset) || file.read(5) != "CD-XA") return false;
    return ScanWindow(file, kNeroDirectoryOffset, kNeroScanBytes, 4,
                      [](const QByteArray& window) { return window.contains("VCD"); });
}

QString ImageTrack(const QString& image) {
    const QString extension = QFileInfo(image).suffix().toLower();
    const bool bin = extension == QLatin1String("bin");
    if ((!bin && extension != QLatin1String("nrg")) || !FileExists(image)) return QString();
    QFile file(image);
    if (!file.open(QIODevice::ReadOnly)) return QString();
    QString track;
    ScanWindow(file, bin ? kBinDirectoryOffset : kNeroDirectoryOffset, bin ? kBinScanBytes : kNeroScanBytes,
               7, [&track](const QByteArray& window) {
                   track = TrackIn(window);
                   return !track.isEmpty();
               });
    return track;
}
