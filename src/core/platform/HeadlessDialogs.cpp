#include "platform/HeadlessDialogs.h"

QString HeadlessDialogs::Shown::describe() const {
    QString flat = text;
    flat.replace(QLatin1String("\r\n"), QLatin1String(" | "));
    flat.replace(QLatin1Char('\n'), QLatin1String(" | "));
    return title.isEmpty() ? flat : title + QLatin1String(": ") + flat;
}

void HeadlessDialogs::shown(const Shown& shown) {
    if (observer_) observer_(shown);
}

bool HeadlessDialogs::next(const Shown& dialog, QString* value, Answer* fallback) {
    shown(dialog);
    if (queue_.isEmpty()) {
        const Answer answer = unanswered(dialog);
        if (fallback) *fallback = answer;
        return false;
    }
    *value = queue_.takeFirst();
    return true;
}

Dialogs::Answer HeadlessDialogs::ask(Kind kind, const QString& text) {
    QString value;
    Answer fallback = Answer::None;
    if (!next({QStringLiteral("ask"), kind, QString(), text}, &value, &fallback)) return fallback;
    if (value == QLatin1String("yes")) return Answer::Yes;
    if (value == QLatin1String("no")) return Answer::No;
    return Answer::None;
}

void HeadlessDialogs::tell(Kind kind, const QString& text) {
    // Messages need no answer.
    shown({QStringLiteral("tell"), kind, QString(), text});
}

QStringList HeadlessDialogs::openFiles(const FileRequest& request) {
    QString value;
    if (!next({QStringLiteral("open"), Kind::Information, request.title, QString()}, &value)) return {};
    if (value == QLatin1String("cancel")) return {};
    return value.split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

QString HeadlessDialogs::saveFile(const FileRequest& request) {
    QString value;
    if (!next({QStringLiteral("save"), Kind::Information, request.title, QString()}, &value)) return {};
    return value == QLatin1String("cancel") ? QString() : value;
}

QString HeadlessDialogs::chooseFolder(const QString& title, const QString&) {
    QString value;
    if (!next({QStringLiteral("folder"), Kind::Information, title, QString()}, &value)) return {};
    return value == QLatin1String("cancel") ? QString() : value;
}
