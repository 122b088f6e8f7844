#include "base/CommandPlan.h"

CommandPlan& CommandPlan::quoted(const QString& value) {
    return shownAs(value, QLatin1Char('"') + value + QLatin1Char('"'));
}

CommandPlan& CommandPlan::shownAs(const QString& value, const QString& text) {
    arguments << value;
    if (!argumentText.isEmpty()) argumentText += QLatin1Char(' ');
    argumentText += text;
    return *this;
}

QString CommandPlan::commandLine() const {
    return program + QLatin1Char(' ') + argumentText;
}

ToolCall CommandPlan::call(const QString& watchFile) const {
    ToolCall result{program, arguments, argumentText, watchFile, environment};
    result.workFolder = workFolder;
    return result;
}

CommandPlan VersionQuery(const QString& program) {
    return CommandPlan{program}.arg(QStringLiteral("-version"));
}
