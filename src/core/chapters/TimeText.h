#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

// Time texts: exactly 12 characters "HH:MM:SS.mmm". All sources are PAL, so a
// frame is 40 ms and 25 frames make a second.
constexpr int kFramesPerSecond = 25;
constexpr int kTimeTextLength = 12;

// Frames as a time text: 90024 -> "01:00:00.960".
QString FramesToText(qint64 frames);
// Whole seconds as a time text: 3725 -> "01:02:05.000".
QString SecondsToText(qint64 seconds);
// A time text as frames (milliseconds rounded down to whole frames):
// "00:01:00.520" -> 1513. Fields that are not numbers count as 0.
qint64 TextToFrames(const QString& text);
// Seconds with a decimal comma as a time text: "5,48" -> "00:00:05.480",
// "4,170911" -> "00:00:04.170", "75" -> "00:01:15.000". The digits after the
// comma are a fraction of a second, cut to milliseconds.
QString SecondsCommaToText(const QString& text);

// Replaces the first or every occurrence of the character from by to. With
// ignoreCase, from matches in either case and to takes the case of what it
// replaces.
QString ReplaceChar(const QString& text, QChar from, QChar to, bool firstOnly, bool ignoreCase);

// Whether text begins with a time text (two-digit hours ... three-digit milliseconds).
bool StartsWithTimeText(const QString& text);

// Whether text is a list of chapter marks: time texts joined by "," (or empty).
bool IsChapterList(const QString& text);

// The chapter marks of a source (time texts joined by ",") that lie before limit
// (the play length as a time text), in stored order.
QStringList ParseChapters(const QString& marks, const QString& limit);
