#pragma once

#include "platform/HeadlessDialogs.h"

// The tests' dialogs: answered from the queue like the headless program's, but
// strict — a dialog without a queued answer is recorded as unexpected and
// answered No / cancelled. Records every dialog shown and the last file request.
class ScriptedDialogs : public HeadlessDialogs {
  public:
    // Every dialog shown since the last take, oldest first.
    QList<Shown> take();
    // The texts (or titles of file dialogs) of what was shown since the last take.
    QStringList takeTexts();
    const QStringList& unexpected() const { return unexpected_; }
    const FileRequest& lastFileRequest() const { return lastRequest_; }

    QStringList openFiles(const FileRequest& request) override;
    QString saveFile(const FileRequest& request) override;
    QString chooseFolder(const QString& title, const QString& start) override;

  protected:
    Answer unanswered(const Shown& shown) override;
    void shown(const Shown& shown) override;

  private:
    QList<Shown> shown_;
    QStringList unexpected_;
    FileRequest lastRequest_;
};
