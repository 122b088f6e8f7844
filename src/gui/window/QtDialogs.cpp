#include "gui/window/QtDialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace {

QMessageBox::Icon IconOf(Dialogs::Kind kind) {
    switch (kind) {
        case Dialogs::Kind::Confirmation:
            return QMessageBox::Question;
        case Dialogs::Kind::Warning:
            return QMessageBox::Warning;
        case Dialogs::Kind::Error:
            return QMessageBox::Critical;
        case Dialogs::Kind::Information:
            break;
    }
    return QMessageBox::Information;
}

QString TitleOf(Dialogs::Kind kind) {
    switch (kind) {
        case Dialogs::Kind::Confirmation:
            return QStringLiteral("Bestätigen");
        case Dialogs::Kind::Warning:
            return QStringLiteral("Warnung");
        case Dialogs::Kind::Error:
            return QStringLiteral("Fehler");
        case Dialogs::Kind::Information:
            break;
    }
    return QStringLiteral("Tavrolin");
}

QString Plain(QString text) {
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

void Prepare(QFileDialog& dialog, const Dialogs::FileRequest& request) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowTitle(request.title);
    if (!request.folder.isEmpty()) dialog.setDirectory(request.folder);
    const QStringList filters = QtDialogs::ConvertFilter(request.filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    if (request.showHidden) dialog.setFilter(dialog.filter() | QDir::Hidden);
}

}  // namespace

QStringList QtDialogs::ConvertFilter(const QString& filter) {
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        patterns.replace(QLatin1String("*.*"), QLatin1String("*"));
        description.remove(QRegularExpression(QStringLiteral("\\s*\\([^()]*\\)$")));
        result << description + QLatin1String(" (") + patterns + QLatin1Char(')');
    }
    return result;
}

Dialogs::Answer QtDialogs::ask(Kind kind, const QString& text) {
    QMessageBox box(IconOf(kind), TitleOf(kind), Plain(text), QMessageBox::Yes | QMessageBox::No, parent_);
    box.setEscapeButton(QMessageBox::NoButton);
    const int result = box.exec();
    if (result == QMessageBox::Yes) return Answer::Yes;
    if (result == QMessageBox::No) return Answer::No;
    return Answer::None;
}

void QtDialogs::tell(Kind kind, const QString& text) {
    QMessageBox box(IconOf(kind), TitleOf(kind), Plain(text), QMessageBox::Ok, parent_);
    box.exec();
}

QStringList QtDialogs::openFiles(const FileRequest& request) {
    QFileDialog dialog(parent_);
    Prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles();
}

QString QtDialogs::saveFile(const FileRequest& request) {
    QFileDialog dialog(parent_);
    Prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

QString QtDialogs::chooseFolder(const QString& title, const QString& start) {
    QFileDialog dialog(parent_);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setWindowTitle(title);
    if (!start.isEmpty()) dialog.setDirectory(start);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return QDir::cleanPath(dialog.selectedFiles().first());
}
