#include "tools/FileVersion.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include "platform/Product.h"

namespace {

constexpr int kWaitMs = 2000;

bool IsThisProgram(const QString& path) {
    const QString self = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    return !self.isEmpty() && QFileInfo(path).canonicalFilePath() == self;
}

// What the program prints for one option within the time allowed.
QString OutputOf(const QString& program, const QString& option) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, {option});
    if (!process.waitForStarted(kWaitMs)) return QString();
    if (!process.waitForFinished(kWaitMs)) {
        process.kill();
        process.waitForFinished(kWaitMs);
    }
    return QString::fromLocal8Bit(process.readAll());
}

}  // namespace

QString FirstVersionNumber(const QString& text) {
    const QRegularExpression number(QStringLiteral("(?<![\\d.])\\d+(?:\\.\\d+)+"));
    return number.match(text).captured();
}

QString FileVersionText(const QString& path) {
    if (!QFileInfo(path).isFile()) return QString();
    if (IsThisProgram(path)) return ProgramVersion();
    for (const QString& option : {QStringLiteral("--version"), QStringLiteral("-version")}) {
        const QString version = FirstVersionNumber(OutputOf(path, option));
        if (!version.isEmpty()) return version;
    }
    return QString();
}
