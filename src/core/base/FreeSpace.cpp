#include "base/FreeSpace.h"

#include "base/Format.h"
#include "base/Volume.h"

bool LogFreeSpace(LogSink& log, const QString& folder, qint64* freeKB) {
    const VolumeInfo volume = QueryVolume(folder);
    if (!volume.valid) {
        WriteLog(log, lmAdd,
                 QStringLiteral("Fehler:    Der freie Speicherplatz für ") + folder +
                     QStringLiteral(" konnte nicht ermittelt werden."));
        return false;
    }
    const qint64 availableKB = volume.availableBytes / 1024;
    WriteLog(log, lmAdd,
             QStringLiteral("Speicher:  ") + volume.root + QLatin1Char(' ') +
                 FormatWhole(availableKB / 1024.0) + QStringLiteral(" MB von ") +
                 FormatWhole(volume.totalBytes / 1024 / 1024.0) + QStringLiteral(" MB frei."));
    if (freeKB) *freeKB = availableKB;
    return true;
}

Outcome SpaceFor(LogSink& log, Dialogs& dialogs, const QString& folder, qint64 neededKB) {
    qint64 freeKB = 0;
    if (!LogFreeSpace(log, folder, &freeKB)) return Outcome::Failed;
    if (freeKB >= neededKB) return Outcome::Done;
    WriteLog(log, lmAdd,
             QStringLiteral("Warnung:   Der zur Verfügung stehende Speicherplatz reicht nicht aus."));
    const QString question = QStringLiteral(
        "Der zur Verfügung stehende Speicherplatz reicht für\r\ndiesen Vorgang nicht aus. Vorgang "
        "abbrechen?");
    if (dialogs.ask(Dialogs::Kind::Warning, question) != Dialogs::Answer::Yes) return Outcome::Done;
    WriteLog(log, lmAdd, QStringLiteral("-----------------------------"));
    WriteLog(log, lmAdd, QStringLiteral("Abbruch:   Abbruch durch den Anwender."));
    return Outcome::Aborted;
}
