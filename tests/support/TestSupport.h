#pragma once

#include <QString>
#include <QTemporaryDir>

// A temporary folder that lives as long as the test.
class TempFolder {
  public:
    TempFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    // Writes text (UTF-8) into a file below the folder and returns its path.
    QString write(const QString& name, const QByteArray& content) const;

  private:
    QTemporaryDir dir_;
};
