#include "platform/CommandLine.h"

#include <algorithm>

CommandLine ParseCommandLine(const QStringList& arguments) {
    CommandLine line;
    const auto ours = [](const QString& a) { return a.startsWith(QLatin1String("--")); };
    if (std::none_of(arguments.begin(), arguments.end(), ours)) return line;
    const auto invalid = [&line](const QString& error) {
        line.action = CommandLine::Action::Invalid;
        line.error = error;
        return line;
    };
    for (int k = 0; k < arguments.size(); ++k) {
        const QString& option = arguments[k];
        if (option == QLatin1String("--help") || option == QLatin1String("--version")) {
            line.action =
                option == QLatin1String("--help") ? CommandLine::Action::Help : CommandLine::Action::Version;
            return line;
        }
        const bool convert = option == QLatin1String("--convert");
        if (!convert && option != QLatin1String("--start-at"))
            return invalid(QStringLiteral("Unbekannte Angabe: ") + option);
        if (k + 1 >= arguments.size() || arguments[k + 1].isEmpty())
            return invalid(QStringLiteral("Nach ") + option + QStringLiteral(" fehlt ") +
                           (convert ? QStringLiteral("die Projektdatei.") : QStringLiteral("die Stufe.")));
        (convert ? line.project : line.startAt) = arguments[++k];
    }
    if (line.project.isEmpty()) return invalid(QStringLiteral("--start-at gilt nur mit --convert."));
    line.action = CommandLine::Action::Convert;
    return line;
}

QString CommandLineHelp() {
    return QStringLiteral(
        "Aufruf: tavrolin [--convert PROJEKT.tvpr [--start-at STUFE]]\n"
        "\n"
        "Ohne Angaben öffnet Tavrolin sein Fenster.\n"
        "\n"
        "  --convert PROJEKT.tvpr  Konvertiert ein gespeichertes Projekt ohne Fenster. Das Protokoll\n"
        "                          erscheint während des Laufs auf der Standardausgabe und in der\n"
        "                          Logdatei. Rückgabewert 0, wenn der Lauf normal endet, sonst 1.\n"
        "  --start-at STUFE        Beginnt mit dieser Stufe: \"SVCD MPEG demuxen\", \"Audio upmix\",\n"
        "                          \"DVD MPEG muxen\", \"Authoring\", \"Image erstellen\",\n"
        "                          \"Image brennen\" oder \"DVD brennen\", oder ihre Nummer ab 1.\n"
        "  --help                  Zeigt diese Hilfe.\n"
        "  --version               Zeigt die Version.\n"
        "\n"
        "Mehrere Projekte nacheinander, zum Beispiel:\n"
        "  for p in *.tvpr; do tavrolin --convert \"$p\" || echo \"$p: Fehler\"; done\n");
}
