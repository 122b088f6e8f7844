#include "support/ScriptedDialogs.h"

#include <utility>

QList<HeadlessDialogs::Shown> ScriptedDialogs::take() {
    return std::exchange(shown_, {});
}

QStringList ScriptedDialogs::takeTexts() {
    QStringList texts;
    for (const Shown& shown : take())
        texts << (shown.text.isEmpty() ? shown.title : shown.text);
    return texts;
}

void ScriptedDialogs::shown(const Shown& shown) {
    shown_.append(shown);
    HeadlessDialogs::shown(shown);
}

Dialogs::Answer ScriptedDialogs::unanswered(const Shown& shown) {
    unexpected_.append(shown.describe());
    return Answer::No;
}

QStringList ScriptedDialogs::openFiles(const FileRequest& request) {
    lastRequest_ = request;
    return HeadlessDialogs::openFiles(request);
}

QString ScriptedDialogs::saveFile(const FileRequest& request) {
    lastRequest_ = request;
    return HeadlessDialogs::saveFile(request);
}

QString ScriptedDialogs::chooseFolder(const QString& title, const QString& start) {
    lastRequest_ = FileRequest{title, start, QString(), QString(), false};
    return HeadlessDialogs::chooseFolder(title, start);
}
