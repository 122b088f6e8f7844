#include "gui/headless/BatchConvert.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QPushButton>
#include <QTextStream>

#include "gui/headless/HeadlessWindow.h"
#include "gui/window/Tavrolin.h"

namespace {

QStringList Items(const QComboBox* combo) {
    QStringList items;
    for (int k = 0; k < combo->count(); ++k)
        items << QStringLiteral("%1 = \"%2\"").arg(k + 1).arg(combo->itemText(k));
    return items;
}

}  // namespace

int BatchConvert(const ProgramFolders& folders, WindowServices services, const QString& project,
                 const QString& startAt) {
    QTextStream out(stdout);
    const auto say = [&out](const QString& line) { out << line << Qt::endl; };
    const QFileInfo file(project);
    if (!file.isFile()) {
        say(QStringLiteral("Fehler:    Die Projektdatei ") + project +
            QStringLiteral(" wurde nicht gefunden."));
        return 1;
    }
    // Questions (answered Yes) and messages; not the file dialogs (the project's own, or cancelled).
    services.shutdown = [&say] {
        say(QStringLiteral("Hinweis:   Ohne Fenster wird der Computer nicht heruntergefahren."));
        return true;
    };
    HeadlessWindow session(folders, std::move(services), [&say](const HeadlessDialogs::Shown& shown) {
        if (shown.what == QLatin1String("ask") || shown.what == QLatin1String("tell"))
            say(QStringLiteral("Dialog:    ") + shown.describe());
    });
    THaupt& h = session.window();
    if (!session.openProject(file.absoluteFilePath())) {
        say(QStringLiteral("Fehler:    ") + project + QStringLiteral(" ist keine Projektdatei (*.tvpr)."));
        return 1;
    }
    if (!startAt.isEmpty() && !session.chooseStage(startAt)) {
        say(QStringLiteral("Fehler:    Unbekannte Stufe: ") + startAt + QStringLiteral(". Möglich: ") +
            Items(h.findChild<QComboBox*>(QStringLiteral("CoRecover"))).join(QStringLiteral(", ")));
        return 1;
    }
    if (!h.findChild<QPushButton*>(QStringLiteral("BuStart"))->isEnabled()) {
        say(QStringLiteral("Fehler:    Das Projekt enthält nichts, was konvertiert werden kann."));
        return 1;
    }
    // Nobody could edit the script or close the editor.
    h.findChild<QCheckBox*>(QStringLiteral("ChXML"))->setChecked(false);
    session.followLog(say);
    const bool completed = session.convert();
    session.flushLog();
    return completed ? 0 : 1;
}
