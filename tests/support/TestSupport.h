#pragma once

#include <QString>
#include <QTemporaryDir>

// A temporary folder that lives as long as the test.
class TempFolder {
  public:
    TempFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    // Writes text (UTF-8) into a file below the folder (or at an absolute path) and returns its path.
    QString write(const QString& name, const QByteArray& content) const;
    // Writes an executable file (a stand-in program) below the folder and returns its path.
    QString executable(const QString& name, const QByteArray& content = QByteArray()) const;

  private:
    QTemporaryDir dir_;
};
