#include "chapters/ChapterFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <optional>

#include "chapters/TimeText.h"
#include "platform/Paths.h"

namespace {

// Frames of 99:59:59.960, the last mark a time text can hold.
constexpr qint64 kMaxFrames = qint64(100) * 3600 * kFramesPerSecond - 1;

// Larger chapter files are not read at all.
constexpr qint64 kMaxChapterFileBytes = 1 << 20;

// The lines of a text file (LF or CR LF), or nothing when it is missing,
// unreadable or too long. Only a regular file is opened: a FIFO would block.
std::optional<QStringList> ReadLines(const QString& path) {
    if (!FileExists(path) || QFileInfo(path).size() > kMaxChapterFileBytes) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (lines.last().isEmpty()) lines.removeLast();
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    if (lines.size() > kMaxChapterLines) return std::nullopt;
    return lines;
}

std::optional<QString> MarksFromTimeTexts(const QStringList& lines) {
    QStringList marks;
    for (const QString& line : lines) {
        if (!StartsWithTimeText(line)) return std::nullopt;
        marks << line.left(kTimeTextLength);
    }
    return marks.join(QLatin1Char(','));
}

std::optional<QString> MarksFromFrames(const QStringList& lines) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    QStringList marks;
    for (const QString& line : lines) {
        bool ok = false;
        const qint64 frames = line.toLongLong(&ok);
        if (!digits.match(line).hasMatch() || !ok || frames > kMaxFrames) return std::nullopt;
        marks << FramesToText(frames);
    }
    return marks.join(QLatin1Char(','));
}

void ApplyFile(const QString& path, std::optional<QString> (*parse)(const QStringList&), QString& kapitel) {
    const std::optional<QStringList> lines = ReadLines(path);
    if (!lines) return;
    if (const std::optional<QString> marks = parse(*lines)) kapitel = *marks;
}

}  // namespace

void ReadChapterFile(MPEGInfo& record) {
    ApplyFile(ChangeFileExt(record.Datei, QStringLiteral(".Kapitel")), MarksFromTimeTexts, record.Kapitel);
    ApplyFile(ChangeFileExt(record.Datei, QStringLiteral(".txt")), MarksFromFrames, record.Kapitel);
}
