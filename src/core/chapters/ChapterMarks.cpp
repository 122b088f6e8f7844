#include "chapters/ChapterMarks.h"

#include <algorithm>
#include <climits>

#include "chapters/TimeText.h"

MarkSpacing SpacingEvery(qint64 playSeconds, qint64 intervalSeconds) {
    if (intervalSeconds <= 0 || playSeconds <= 0) return {intervalSeconds, 0};
    return {intervalSeconds, playSeconds / intervalSeconds};
}

MarkSpacing SpacingEqual(qint64 playSeconds, qint64 parts) {
    if (parts <= 0 || playSeconds <= 0) return {};
    const qint64 step = playSeconds / parts;
    if (step == 0) return {};
    return {step, playSeconds / step - 1};
}

QStringList SpacedMarks(const MarkSpacing& spacing) {
    QStringList marks;
    for (qint64 m = 1; m <= spacing.count; ++m)
        marks << SecondsToText(m * spacing.step);
    return marks;
}

QStringList WithMark(QStringList marks, const QString& mark) {
    marks << mark;
    std::sort(marks.begin(), marks.end());
    marks.erase(std::unique(marks.begin(), marks.end()), marks.end());
    return marks;
}

bool LeadingNumber(const QString& text, qint64* number) {
    int digits = 0;
    while (digits < text.size() && text[digits] >= QLatin1Char('0') && text[digits] <= QLatin1Char('9'))
        ++digits;
    if (digits == 0) return false;
    bool ok = false;
    const qint64 value = text.left(digits).toLongLong(&ok);
    *number = ok && value <= INT_MAX ? value : INT_MAX;
    return true;
}

bool PositiveNumber(const QString& text, qint64* number) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 1) return false;
    *number = value;
    return true;
}
