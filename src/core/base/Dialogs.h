#pragma once

#include <QString>
#include <QStringList>

// Every modal interaction of the program (questions, messages, file and folder
// choosers) goes through this seam. The program shows real Qt dialogs; tests and
// the headless driver answer from a script.
class Dialogs {
  public:
    enum class Kind { Information, Confirmation, Warning, Error };
    enum class Answer { Yes, No, None };

    struct FileRequest {
        QString title;
        QString folder;    // initial folder
        QString fileName;  // proposed file name (may be a full path)
        QString filter;    // "Description|pattern;pattern|Description|pattern"
        bool multiple = false;
        bool showHidden = false;  // hidden files are listed too
    };

    virtual ~Dialogs() = default;

    // A question with the buttons Yes and No. None = closed without an answer.
    virtual Answer ask(Kind kind, const QString& text) = 0;
    // A message with one OK button.
    virtual void tell(Kind kind, const QString& text) = 0;
    // Chosen files, empty when cancelled.
    virtual QStringList openFiles(const FileRequest& request) = 0;
    // Chosen file, empty when cancelled.
    virtual QString saveFile(const FileRequest& request) = 0;
    // Chosen folder, empty when cancelled.
    virtual QString chooseFolder(const QString& title, const QString& start) = 0;
};
