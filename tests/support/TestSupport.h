#pragma once

// What every test uses: gtest, Qt's files and folders, readable Qt texts in
// failure messages, and temporary folders.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// The whole content of a file; empty when it cannot be read.
QByteArray FileBytes(const QString& path);

// Runs act once condition holds, checked every few milliseconds by the event loop
// (also the one a tool run waits in), the way a user reacts to what is shown.
void WhenTrue(std::function<bool()> condition, std::function<void()> act);

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
