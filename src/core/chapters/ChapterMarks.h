#pragma once

#include <QString>
#include <QStringList>

// A DVD title holds at most 99 chapters; the start of a source is the first, so
// the automatic functions set at most 98 marks.
constexpr int kMaxAutoMarks = 98;

// Automatic marks at step, 2 * step, ... count * step seconds.
struct MarkSpacing {
    qint64 step = 0;
    qint64 count = 0;
};

// A mark every interval seconds over the play time, the last one possibly at
// its very end.
MarkSpacing SpacingEvery(qint64 playSeconds, qint64 intervalSeconds);
// Marks that cut the play time into parts of (play time div parts) seconds; a
// remainder of another whole part gives one more mark. Step 0 when a part would
// be shorter than a second.
MarkSpacing SpacingEqual(qint64 playSeconds, qint64 parts);
// The marks as time texts.
QStringList SpacedMarks(const MarkSpacing& spacing);

// The marks with one more, in time order and without duplicates.
QStringList WithMark(QStringList marks, const QString& mark);

// The number made of the leading decimal digits of text ("90x" -> 90); false
// when text does not start with a digit. Numbers too large for an int give
// INT_MAX.
bool LeadingNumber(const QString& text, qint64* number);
// The whole text as a number of at least 1 (blanks around it allowed).
bool PositiveNumber(const QString& text, qint64* number);
