#include "chapters/TimeText.h"

#include <algorithm>

namespace {

constexpr int kMsPerFrame = 1000 / kFramesPerSecond;

QString Clock(qint64 seconds, qint64 milliseconds) {
    return QString::asprintf("%.2lld:%.2lld:%.2lld.%.3lld", seconds / 3600, (seconds / 60) % 60, seconds % 60,
                             milliseconds);
}

int Field(const QString& text, int position, int length) {
    return text.mid(position, length).toInt();
}

}  // namespace

QString FramesToText(qint64 frames) {
    return Clock(frames / kFramesPerSecond, (frames % kFramesPerSecond) * kMsPerFrame);
}

QString SecondsToText(qint64 seconds) {
    return Clock(seconds, 0);
}

qint64 TextToFrames(const QString& text) {
    const qint64 seconds = (qint64(Field(text, 0, 2)) * 60 + Field(text, 3, 2)) * 60 + Field(text, 6, 2);
    return seconds * kFramesPerSecond + Field(text, 9, 3) / kMsPerFrame;
}

QString SecondsCommaToText(const QString& text) {
    const int comma = text.indexOf(QLatin1Char(','));
    const qint64 seconds = text.left(comma).trimmed().toLongLong();
    const QString fraction = comma < 0 ? QString() : text.mid(comma + 1).trimmed().left(3);
    return Clock(seconds, fraction.leftJustified(3, QLatin1Char('0')).toInt());
}

QString ReplaceChar(const QString& text, QChar from, QChar to, bool firstOnly, bool ignoreCase) {
    QString result = text;
    for (QChar& c : result) {
        const bool match = ignoreCase ? c.toLower() == from.toLower() : c == from;
        if (!match) continue;
        c = !ignoreCase ? to : c.isUpper() ? to.toUpper() : to.toLower();
        if (firstOnly) break;
    }
    return result;
}

bool StartsWithTimeText(const QString& text) {
    static const QString pattern = QStringLiteral("99:99:99.999");
    if (text.size() < kTimeTextLength) return false;
    for (int i = 0; i < kTimeTextLength; ++i) {
        const QChar c = text[i];
        const bool ok =
            pattern[i] == QLatin1Char('9') ? c >= QLatin1Char('0') && c <= QLatin1Char('9') : c == pattern[i];
        if (!ok) return false;
    }
    return true;
}

QStringList ParseChapters(const QString& marks, const QString& limit) {
    QStringList result;
    if (marks.isEmpty()) return result;
    for (const QString& mark : marks.split(QLatin1Char(',')))
        if (mark < limit) result << mark;
    return result;
}

bool IsChapterList(const QString& text) {
    if (text.isEmpty()) return true;
    const QStringList marks = text.split(QLatin1Char(','));
    return std::all_of(marks.begin(), marks.end(), [](const QString& mark) {
        return mark.size() == kTimeTextLength && StartsWithTimeText(mark);
    });
}
