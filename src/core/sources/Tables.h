#pragma once

#include <QString>
#include <QStringList>

// The fixed lookup tables that byte codes in MPEGInfo index.
const QStringList& BitrateTable();      // kbit/s, 11 entries
const QStringList& VideoFormatTable();  // "MPEG1", "MPEG2", "MPV1", "MPV2"
const QStringList& AudioFormatTable();  // "MPA1/2", "AC3"
const QStringList& LanguageTable();     // 136 two-letter codes

// Table entry for a code, or fallback when the code is outside the table.
QString TableText(const QStringList& table, int code, const QString& fallback = QStringLiteral("---"));

constexpr quint8 kLanguageDE = 21;
constexpr quint8 kLanguageEN = 24;
constexpr quint8 kBitrateTop = 10;  // 384 kbit/s
