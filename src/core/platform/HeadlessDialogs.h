#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "base/Dialogs.h"

// Answers dialogs from a queue, for runs without a screen.
//
// Answers are texts: "yes", "no", "cancel" (also answers a question with None),
// or a path for a file or folder dialog ("a|b" for several files). With the
// queue empty a question is answered Yes and a file dialog is cancelled. Every
// dialog shown goes to the observer.
class HeadlessDialogs : public Dialogs {
  public:
    struct Shown {
        QString what;  // "ask", "tell", "open", "save", "folder"
        Kind kind = Kind::Information;
        QString title;
        QString text;

        QString describe() const;
    };

    void answer(const QString& value) { queue_.append(value); }
    int pendingAnswers() const { return queue_.size(); }
    void setObserver(std::function<void(const Shown&)> observer) { observer_ = std::move(observer); }

    Answer ask(Kind kind, const QString& text) override;
    void tell(Kind kind, const QString& text) override;
    QStringList openFiles(const FileRequest& request) override;
    QString saveFile(const FileRequest& request) override;
    QString chooseFolder(const QString& title, const QString& start) override;

  protected:
    // Called for a dialog that finds no answer queued; gives a question's
    // answer (a file dialog is cancelled).
    virtual Answer unanswered(const Shown&) { return Answer::Yes; }
    // Called for every dialog shown, before it is answered.
    virtual void shown(const Shown& shown);

  private:
    bool next(const Shown& shown, QString* value, Answer* fallback = nullptr);

    QStringList queue_;
    std::function<void(const Shown&)> observer_;
};
