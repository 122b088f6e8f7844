#include <QApplication>
#include <QTranslator>

#include "app/Tavrolin.h"
#include "platform/Locale.h"
#include "platform/QtDialogs.h"

int main(int argc, char* argv[]) {
    PrepareProcessEnvironment();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrolin"));
    QTranslator qtGerman;
    UseGerman(qtGerman);

    QtDialogs dialogs;
    THaupt haupt(QCoreApplication::applicationDirPath(), dialogs);
    dialogs.setParent(&haupt);
    haupt.show();
    return QApplication::exec();
}
