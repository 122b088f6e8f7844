#include "pipeline/StepConfirm.h"

#include "base/Format.h"

Outcome ConfirmStep(LogSink& log, Dialogs& dialogs, bool singleStep, const QString& stepName) {
    if (!singleStep) return Outcome::Done;
    WriteLog(log, lmAdd, NowText() + QStringLiteral(" - Einzelschrittbestätigung"));
    const QString question = QStringLiteral("Der Schritt \"") + stepName +
                             QStringLiteral("\" soll ausgeführt werden.\rAusführen?");
    switch (dialogs.ask(Dialogs::Kind::Confirmation, question)) {
        case Dialogs::Answer::Yes:
            WriteLog(log, lmAdd, QStringLiteral("-----------------------------"));
            return Outcome::Done;
        case Dialogs::Answer::No:
            WriteLog(log, lmAdd, QStringLiteral("Abbruch:   Abbruch durch den Anwender."));
            return Outcome::Aborted;
        case Dialogs::Answer::None:
            break;
    }
    WriteLog(log, lmAdd, QStringLiteral("Fehler:    Bei der Bestätigung des Einzelschritts ist ein Fehler"));
    WriteLog(log, lmIndent, QStringLiteral("aufgetreten."));
    return Outcome::Failed;
}
