#include <QApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QTextStream>
#include <QTranslator>

#include "gui/headless/BatchConvert.h"
#include "gui/window/QtDialogs.h"
#include "gui/window/Tavrolin.h"
#include "platform/CommandLine.h"
#include "platform/Locale.h"
#include "platform/Product.h"
#include "platform/TerminationSignals.h"
#include "sources/LibMediaInfo.h"

namespace {

QStringList ArgumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int k = 1; k < argc; ++k)
        arguments << QString::fromLocal8Bit(argv[k]);
    return arguments;
}

// The system's parts the window uses.
WindowServices SystemServices() {
    WindowServices services;
    services.mediaLibrary = [] { return std::make_unique<LibMediaInfo>(); };
    services.shutdown = [] {
        const QStringList arguments{QStringLiteral("--no-ask-password"), QStringLiteral("poweroff")};
        if (QProcess::execute(QStringLiteral("systemctl"), arguments) != 0) return false;
        QCoreApplication::exit(0);
        return true;
    };
    services.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    return services;
}

int ShowWindow(const ProgramFolders& folders) {
    QApplication::setDesktopFileName(QStringLiteral("org.example.tavrolin"));
    QTranslator qtGerman;
    UseGerman(qtGerman);

    QtDialogs dialogs;
    THaupt haupt(folders, dialogs, SystemServices());
    dialogs.setParent(&haupt);
    haupt.show();
    // Asked to end (SIGTERM, Ctrl+C): like closing the window.
    const TerminationSignals termination([&haupt] { haupt.close(); });
    return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    PrepareProcessEnvironment();
    const CommandLine line = ParseCommandLine(ArgumentsOf(argc, argv));
    switch (line.action) {
        case CommandLine::Action::Help:
            QTextStream(stdout) << CommandLineHelp();
            return 0;
        case CommandLine::Action::Version:
            QTextStream(stdout) << "Tavrolin " << ProgramVersion() << '\n';
            return 0;
        case CommandLine::Action::Invalid:
            QTextStream(stderr) << line.error << "\nHilfe: tavrolin --help\n";
            return 1;
        case CommandLine::Action::Convert:
            // No window is shown: no display is needed.
            qputenv("QT_QPA_PLATFORM", "offscreen");
            break;
        case CommandLine::Action::Window:
            break;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrolin"));
    const ProgramFolders folders = LocateProgramFolders(QCoreApplication::applicationDirPath());
    if (line.action == CommandLine::Action::Convert)
        return BatchConvert(folders, SystemServices(), line.project, line.startAt);
    return ShowWindow(folders);
}
