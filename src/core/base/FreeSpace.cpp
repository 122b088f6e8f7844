#include "base/FreeSpace.h"

#include "base/Format.h"
#include "base/Volume.h"

bool CheckFreeSpace(LogSink& log, Dialogs& dialogs, const QString& folder, qint64 neededKB) {
    const VolumeInfo volume = QueryVolume(folder);
    if (!volume.valid) {
        WriteLog(log, lmAdd,
                 QStringLiteral("Fehler:    Der freie Speicherplatz für ") + folder +
                     QStringLiteral(" konnte nicht ermittelt werden."));
        return true;
    }
    const qint64 freeKB = volume.availableBytes / 1024;
    const qint64 totalKB = volume.totalBytes / 1024;
    WriteLog(log, lmAdd,
             QStringLiteral("Speicher:  ") + volume.root + QLatin1Char(' ') + FormatWhole(freeKB / 1024.0) +
                 QStringLiteral(" MB von ") + FormatWhole(totalKB / 1024.0) + QStringLiteral(" MB frei."));
    if (freeKB >= neededKB) return false;
    WriteLog(log, lmAdd,
             QStringLiteral("Warnung:   Der zur Verfügung stehende Speicherplatz reicht nicht aus."));
    const QString question = QStringLiteral(
        "Der zur Verfügung stehende Speicherplatz reicht für\r\ndiesen Vorgang nicht aus. Vorgang "
        "abbrechen?");
    if (dialogs.ask(Dialogs::Kind::Warning, question) != Dialogs::Answer::Yes) return false;
    WriteLog(log, lmAdd, QStringLiteral("-----------------------------"));
    WriteLog(log, lmAdd, QStringLiteral("Abbruch:   Abbruch durch den Anwender."));
    return true;
}
