#include "base/ToolRunner.h"

QString ExitCodeText(qint64 code) {
    const qint32 value = static_cast<qint32>(code);
    switch (value) {
        case 0:
            return QString();
        case 1:
            return QStringLiteral("Der Vorgang wurde wegen eines Fehlers abgebrochen.");
        case 2:
            return QStringLiteral("Der Vorgang wurde abgebrochen.");
        case 28:
            return QStringLiteral("Nicht genügend Speicherplatz vorhanden.");
        case 44:
            return QStringLiteral("Die BeSweet-Befehlszeile enthält Fehler.");
        case 65535:
            return QStringLiteral("Der Befehl enthält ungültige Zeichen.");
        case 0x10100:
            return QStringLiteral("Abbruch während der Prüfung der Quelldateien.");
        case 0x18B00:
            return QStringLiteral("Es wurden keine Video Objekt Units gefunden.");
        case -1073741510:
            return QStringLiteral("Die Ausführung wurde abgebrochen.");
        default:
            break;
    }
    return QString::asprintf("Es ist ein unbekannter Fehler %d aufgetreten.", value);
}
