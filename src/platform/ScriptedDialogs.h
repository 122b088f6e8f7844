#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "platform/Dialogs.h"

// Answers dialogs from a queue and records every dialog shown.
//
// Answers are texts: "yes", "no", "cancel" (also answers a question with None),
// or a path for a file or folder dialog ("a|b" for several files). With the queue
// empty, a strict instance records the dialog as unexpected and answers No /
// cancels; a lenient one answers Yes and cancels file dialogs.
class ScriptedDialogs : public Dialogs {
  public:
    struct Shown {
        QString what;  // "ask", "tell", "open", "save", "folder"
        Kind kind = Kind::Information;
        QString title;
        QString text;

        QString describe() const;
    };

    explicit ScriptedDialogs(bool strict = true) : strict_(strict) {}

    void answer(const QString& value) { queue_.append(value); }
    int pendingAnswers() const { return queue_.size(); }

    // Every dialog shown since the last take, oldest first.
    QList<Shown> take();
    // The texts (or titles of file dialogs) of what was shown since the last take.
    QStringList takeTexts();
    const QStringList& unexpected() const { return unexpected_; }

    void setObserver(std::function<void(const Shown&)> observer) { observer_ = std::move(observer); }

    Answer ask(Kind kind, const QString& text) override;
    void tell(Kind kind, const QString& text) override;
    QStringList openFiles(const FileRequest& request) override;
    QString saveFile(const FileRequest& request) override;
    QString chooseFolder(const QString& title, const QString& start) override;

    // The request of the last file dialog, for tests that check titles and filters.
    const FileRequest& lastFileRequest() const { return lastRequest_; }

  private:
    bool next(const Shown& shown, QString* value);

    bool strict_;
    QStringList queue_;
    QList<Shown> shown_;
    QStringList unexpected_;
    FileRequest lastRequest_;
    std::function<void(const Shown&)> observer_;
};
