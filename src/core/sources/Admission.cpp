#include "sources/Admission.h"

#include <QFileInfo>

#include "base/FileHelpers.h"
#include "sources/MPEGInfo.h"
#include "sources/MediaInfo.h"
#include "sources/SourceFiles.h"

namespace {

const QString kBreak = QStringLiteral("\r\n");
const QString kGap = QStringLiteral("\r\n\r\n");

void Refuse(Dialogs& dialogs, const QString& text) {
    dialogs.tell(Dialogs::Kind::Information, text);
}

// A program stream: at least one track must be supported, AC-3 needs jrDMUX.
bool AdmitTracks(const MediaFile& file, const QString& path, int count, bool jrDmux, Dialogs& dialogs) {
    const QString codec0 = file.audio(0, QStringLiteral("Codec"));
    const QString codec1 = count > 1 ? file.audio(1, QStringLiteral("Codec")) : QString();
    const quint8 format0 = AudioFormatIndex(codec0);
    const quint8 format1 = AudioFormatIndex(codec1);
    const QString head = QStringLiteral("Die Tonspur(en) der Datei ") + path +
                         QStringLiteral(" sind vom Format") + kGap + codec0 + QLatin1Char(' ') + codec1 +
                         kGap;
    if (format0 == kNone && format1 == kNone) {
        Refuse(dialogs, head + QStringLiteral("und werden nicht unterstützt. Die Datei wird nicht geladen."));
        return false;
    }
    constexpr quint8 kAc3 = 1;
    if ((format0 == kAc3 || format1 == kAc3) && !jrDmux) {
        Refuse(dialogs, head + QStringLiteral("Die dafür benötigte jrDMUX.exe wurde nicht gefunden. "
                                              "Die Datei wird nicht geladen."));
        return false;
    }
    return true;
}

// A video elementary stream: at least one companion audio file must be usable.
bool AdmitCompanions(MediaLibrary& library, const QString& path, Dialogs& dialogs) {
    int accepted = 0;
    for (const QString& candidate : CompanionCandidates(path)) {
        if (accepted >= kMaxCompanions) break;
        if (!QFileInfo(candidate).isFile()) continue;
        const QString codec = MediaFile(library, candidate).audio(0, QStringLiteral("Codec"));
        if (AudioFormatIndex(codec) == kNone) {
            Refuse(dialogs, QStringLiteral("Die Tonspur ") + candidate + QStringLiteral(" ist vom Format") +
                                kGap + codec + kGap +
                                QStringLiteral("und wird nicht unterstützt. Die Datei wird nicht geladen."));
            continue;
        }
        ++accepted;
    }
    if (accepted == 0) {
        Refuse(dialogs, QStringLiteral("Zu der Datei ") + path + kGap +
                            QStringLiteral("wurde keine Tonspur gefunden. Die Datei wird nicht geladen."));
        return false;
    }
    return true;
}

}  // namespace

bool AdmitBySize(const QString& path, bool jrDmux, Dialogs& dialogs) {
    // A line break in a path would break the authoring script and the project file.
    if (path.contains(QLatin1Char('\n')) || path.contains(QLatin1Char('\r'))) {
        Refuse(dialogs, QStringLiteral("Der Name der Datei ") + path + kBreak +
                            QStringLiteral("enthält einen Zeilenumbruch. Die Datei wird nicht geladen."));
        return false;
    }
    const qint64 kb = FileSizeKB(path);
    if (kb == 0) {
        Refuse(dialogs, QStringLiteral("Die Datei ") + path + kBreak +
                            QStringLiteral("hat die Größe 0 und wird nicht geladen"));
        return false;
    }
    if (kb > kLargeFileKB && !jrDmux) {
        Refuse(dialogs, QStringLiteral("Die Datei ") + path + kBreak +
                            QStringLiteral("ist größer als 2 GB und wird nicht geladen"));
        return false;
    }
    return true;
}

bool AdmitByContent(const QString& path, int generation, MediaLibrary& library, bool jrDmux,
                    Dialogs& dialogs) {
    if (generation == 0) {
        Refuse(dialogs, QStringLiteral("Es wurde keine MediaInfo.DLL gefunden."));
        return false;
    }
    const LibrarySession session(library, generation);
    if (!session.loaded()) return true;
    {
        const MediaFile file(library, path);
        if (VideoFormatIndex(file.general(QStringLiteral("Format"))) == kNone) {
            Refuse(dialogs, QStringLiteral("Die Datei ") + path + QStringLiteral(" hat das Format") + kGap +
                                file.general(QStringLiteral("Format_String")) + kGap +
                                QStringLiteral("Die Datei wird nicht geladen."));
            return false;
        }
        bool isNumber = false;
        const int count = file.general(QStringLiteral("AudioCount")).trimmed().toInt(&isNumber);
        if (!isNumber || count < 0) {
            Refuse(dialogs,
                   QStringLiteral("Die Anzahl der Tonspuren der Datei ") + path + kGap +
                       QStringLiteral("konnte nicht ermittelt werden. Die Datei wird nicht geladen."));
            return false;
        }
        if (count > 2) {
            Refuse(dialogs, QStringLiteral("Die Datei ") + path +
                                QStringLiteral(" hat %1 Tonspuren.").arg(count) + kGap +
                                QStringLiteral("Es werden höchstens zwei Tonspuren unterstützt. "
                                               "Die Datei wird nicht geladen."));
            return false;
        }
        if (count > 0) return AdmitTracks(file, path, count, jrDmux, dialogs);
    }
    return AdmitCompanions(library, path, dialogs);
}
