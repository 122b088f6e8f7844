#include "platform/ScriptedDialogs.h"

QString ScriptedDialogs::Shown::describe() const {
    QString flat = text;
    flat.replace(QLatin1String("\r\n"), QLatin1String(" | "));
    flat.replace(QLatin1Char('\n'), QLatin1String(" | "));
    return title.isEmpty() ? flat : title + QLatin1String(": ") + flat;
}

QList<ScriptedDialogs::Shown> ScriptedDialogs::take() {
    QList<Shown> result;
    result.swap(shown_);
    return result;
}

QStringList ScriptedDialogs::takeTexts() {
    QStringList texts;
    for (const Shown& shown : take())
        texts << (shown.text.isEmpty() ? shown.title : shown.text);
    return texts;
}

bool ScriptedDialogs::next(const Shown& shown, QString* value) {
    shown_.append(shown);
    if (observer_) observer_(shown);
    if (queue_.isEmpty()) {
        if (strict_) unexpected_.append(shown.describe());
        return false;
    }
    *value = queue_.takeFirst();
    return true;
}

Dialogs::Answer ScriptedDialogs::ask(Kind kind, const QString& text) {
    QString value;
    if (!next({QStringLiteral("ask"), kind, QString(), text}, &value))
        return strict_ ? Answer::No : Answer::Yes;
    if (value == QLatin1String("yes")) return Answer::Yes;
    if (value == QLatin1String("no")) return Answer::No;
    return Answer::None;
}

void ScriptedDialogs::tell(Kind kind, const QString& text) {
    // Messages need no answer; they are only recorded.
    Shown shown{QStringLiteral("tell"), kind, QString(), text};
    shown_.append(shown);
    if (observer_) observer_(shown);
}

QStringList ScriptedDialogs::openFiles(const FileRequest& request) {
    lastRequest_ = request;
    QString value;
    if (!next({QStringLiteral("open"), Kind::Information, request.title, QString()}, &value)) return {};
    if (value == QLatin1String("cancel")) return {};
    return value.split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

QString ScriptedDialogs::saveFile(const FileRequest& request) {
    lastRequest_ = request;
    QString value;
    if (!next({QStringLiteral("save"), Kind::Information, request.title, QString()}, &value)) return {};
    return value == QLatin1String("cancel") ? QString() : value;
}

QString ScriptedDialogs::chooseFolder(const QString& title, const QString& start) {
    lastRequest_ = FileRequest{title, start, QString(), QString(), false};
    QString value;
    if (!next({QStringLiteral("folder"), Kind::Information, title, QString()}, &value)) return {};
    return value == QLatin1String("cancel") ? QString() : value;
}
