#include "persistence/ProcessingState.h"

#include "persistence/IniFile.h"

namespace {

const QString kSection = QStringLiteral("Bearbeitung");
const QString kKey = QStringLiteral("Stand");

}  // namespace

bool StateWrite(LogSink& log, const QString& file, int number) {
    const QString text = QString::asprintf("[%.3d] Bearbeitungsstand ", number);
    IniFile ini;
    bool saved = ini.load(file);
    if (saved) {
        ini.setInt(kSection, kKey, number);
        saved = ini.save();
    }
    WriteLog(
        log, lmIndent,
        text + (saved ? QStringLiteral("gesichert.") : QStringLiteral("konnte nicht gesichert werden.")));
    WriteLog(log, lmAdd, QString());
    return saved;
}

int StateRead(const QString& file) {
    return IniFile(file).intValue(kSection, kKey, 0);
}
