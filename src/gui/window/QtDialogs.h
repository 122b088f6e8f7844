#pragma once

#include <QPointer>
#include <QWidget>

#include "base/Dialogs.h"

// Real dialogs, modal over the main window. File dialogs are Qt's own (not the
// desktop's) and centred over their parent.
class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    Answer ask(Kind kind, const QString& text) override;
    void tell(Kind kind, const QString& text) override;
    QStringList openFiles(const FileRequest& request) override;
    QString saveFile(const FileRequest& request) override;
    QString chooseFolder(const QString& title, const QString& start) override;

    // "Desc|*.a;*.b|All|*.*" -> Qt's "Desc (*.a *.b);;All (*)".
    static QStringList ConvertFilter(const QString& filter);

  private:
    QPointer<QWidget> parent_;
};
