#include <QApplication>
#include <QTextStream>

#include "Driver.h"
#include "platform/Locale.h"

// tavrolin-driver --program-dir DIR [--answer V] [--click NAME] [--set NAME=VALUE (or a list row)]
//                 [--tab NAME] [--add FILE] [--open P] [--save P] [--resume P]
//                 [--interrupt abort:N|kill:N] [--start] [--screenshot PNG] ...
// --interrupt: "Abbrechen" answered Yes, or the program killed, once the N-th tool of the run runs.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareProcessEnvironment();
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.isEmpty()) {
        QTextStream(stdout) << "usage: tavrolin-driver --program-dir DIR [actions...]\n";
        return 2;
    }
    Driver driver;
    return driver.run(arguments);
}
