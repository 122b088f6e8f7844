#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/Tavrolin.h"
#include "platform/Locale.h"
#include "platform/QtDialogs.h"
#include "platform/TerminationSignals.h"

int main(int argc, char* argv[]) {
    PrepareProcessEnvironment();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrolin"));
    QTranslator qtGerman;
    if (qtGerman.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtGerman);

    QtDialogs dialogs;
    THaupt haupt(QCoreApplication::applicationDirPath(), dialogs);
    dialogs.setParent(&haupt);
    haupt.show();
    // Asked to end (SIGTERM, Ctrl+C): like closing the window.
    const TerminationSignals termination([&haupt] { haupt.close(); });
    return QApplication::exec();
}
