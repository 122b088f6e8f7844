#pragma once

#include <QString>

// Numbers in the log are German whatever the system locale: "1.234".
QString FormatWhole(double value);

// A printf-style pattern with one "%1.0n" (whole number, thousands separators),
// for the log's size lines: FormatSize("Größe:     Tatsächlich %1.0n MB", kb / 1024.0).
QString FormatSize(const QString& pattern, double value);

// The current time in the log's fixed form hh:mm:ss.
QString NowText();

// Seconds as "%.2d:%.2d:%.2d" (hours not limited to 23).
QString SecondsToClock(qint64 seconds);
