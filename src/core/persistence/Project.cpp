#include "persistence/Project.h"

#include "chapters/TimeText.h"

#include <algorithm>
#include <optional>

#include "persistence/IniFile.h"
#include "persistence/ProjectCompare.h"
#include "sources/SourceTable.h"
#include "sources/Tables.h"

namespace {

const QString kSources = QStringLiteral("Quellen");
const QString kCount = QStringLiteral("Anzahl");
const QString kNa = QStringLiteral("na");

QString SectionOf(int i) {
    return QString::asprintf("Quelle%.2d", i);
}

QString TrackKey(int t, const char* suffix) {
    return QString::number(t) + QLatin1String(suffix);
}

QString DvdKey(int t, const char* suffix) {
    return QLatin1Char('D') + QString::number(t) + QLatin1String(suffix);
}

// Tracks that have keys: the stored count, at most the two a record holds.
int KeyedTracks(const MPEGInfo& r) {
    return std::clamp(r.trackCount(), 0, 2);
}

void WriteSource(IniFile& file, int i, const MPEGInfo& r) {
    const QString s = SectionOf(i);
    file.removeKeys(s);
    file.setValue(s, QStringLiteral("Datei"), r.Datei);
    file.setValue(s, QStringLiteral("Format"), r.Format);
    file.setValue(s, QStringLiteral("FormatStr"), r.FormatStr);
    file.setValue(s, QStringLiteral("Spieldauer"), r.Spieldauer);
    file.setValue(s, QStringLiteral("Bildgröße"), r.Bildgroesse);
    file.setValue(s, QStringLiteral("Bildwiederholrate"), r.Bildwiederholrate);
    file.setValue(s, QStringLiteral("AspectRatio"), r.AspectRatio);
    file.setValue(s, QStringLiteral("Tonspuren"), r.Tonspuren);
    const int tracks = KeyedTracks(r);
    for (int t = 0; t < tracks; ++t) {
        file.setInt(s, TrackKey(t, "-Format"), r.TonFormat[t]);
        file.setValue(s, TrackKey(t, "-FormatStr"), r.TonFormatStr[t]);
        file.setInt(s, TrackKey(t, "-Bitrate"), r.TonBitrate[t]);
        file.setValue(s, TrackKey(t, "-Abtastrate"), r.TonAbtastrate[t]);
    }
    file.setValue(s, QStringLiteral("Kapitel"), r.Kapitel);
    file.setBool(s, QStringLiteral("Hart"), r.Hart);
    file.setBool(s, QStringLiteral("Weich"), r.Weich);
    file.setInt(s, QStringLiteral("VTS"), r.VTS);
    for (int t = 0; t < tracks; ++t) {
        file.setInt(s, DvdKey(t, "-Sprache"), r.DVDSprache[t]);
        file.setInt(s, DvdKey(t, "-Bitrate"), r.DVDBitrate[t]);
    }
}

// A byte field: the low eight bits of the stored integer.
quint8 ByteValue(const IniFile& file, const QString& section, const QString& key) {
    return static_cast<quint8>(file.intValue(section, key, kNone) & 0xFF);
}

// The stored track count as a number of tracks; nullopt when it is none.
std::optional<int> TrackCount(const QString& text) {
    bool ok = false;
    const int count = text.trimmed().toInt(&ok);
    if (!ok || count < 0 || count > 2) return std::nullopt;
    return count;
}

}  // namespace

void ProjectWrite(IniFile& file, const SourceTable& table) {
    const int n = table.count();
    file.setInt(kSources, kCount, n);
    for (int i = 1; i <= n; ++i)
        WriteSource(file, i, table[i]);
    for (int i = n + 1; i <= kMaxSources; ++i)
        file.removeSection(SectionOf(i));
}

bool ProjectSave(const QString& path, const SourceTable& table) {
    IniFile file;
    if (!file.load(path)) return false;
    ProjectWrite(file, table);
    return file.save();
}

QStringList ReadProjectSource(const IniFile& file, int i, MPEGInfo& r) {
    const QString s = SectionOf(i);
    QStringList errors;
    r.Datei = file.value(s, QStringLiteral("Datei"), QString());
    r.Format = file.value(s, QStringLiteral("Format"), kNa);
    r.FormatStr = file.value(s, QStringLiteral("FormatStr"), kNa);
    r.Spieldauer = file.value(s, QStringLiteral("Spieldauer"), kNa);
    r.Bildgroesse = file.value(s, QStringLiteral("Bildgröße"), kNa);
    r.Bildwiederholrate = file.value(s, QStringLiteral("Bildwiederholrate"), kNa);
    r.AspectRatio = file.value(s, QStringLiteral("AspectRatio"), kNa);
    r.Tonspuren = file.value(s, QStringLiteral("Tonspuren"), kNa);
    const std::optional<int> tracks = TrackCount(r.Tonspuren);
    if (!tracks) {
        errors << QString::asprintf("Quelle %.2d: ", i) + QStringLiteral("Anzahl Tonspuren ungültig.");
        r.Tonspuren = QStringLiteral("0");
    }
    // Slots without a track read as the analysis leaves them.
    r.TonFormatStr = {QStringLiteral(" "), QStringLiteral(" ")};
    r.TonAbtastrate = {QStringLiteral("---"), QStringLiteral("---")};
    for (int t = 0; t < tracks.value_or(0); ++t) {
        r.TonFormat[t] = ByteValue(file, s, TrackKey(t, "-Format"));
        r.TonFormatStr[t] = file.value(s, TrackKey(t, "-FormatStr"), kNa);
        r.TonBitrate[t] = ByteValue(file, s, TrackKey(t, "-Bitrate"));
        r.TonAbtastrate[t] = file.value(s, TrackKey(t, "-Abtastrate"), kNa);
    }
    r.Kapitel = file.value(s, QStringLiteral("Kapitel"), QString());
    if (!IsChapterList(r.Kapitel)) {
        // Marks that are no time texts would reach the DVD author and make it fail.
        errors << QString::asprintf("Quelle %.2d: ", i) + QStringLiteral("Kapitelmarken ungültig.");
        r.Kapitel.clear();
    }
    r.Hart = file.boolValue(s, QStringLiteral("Hart"), false);
    r.Weich = file.boolValue(s, QStringLiteral("Weich"), false);
    r.VTS = ByteValue(file, s, QStringLiteral("VTS"));
    for (int t = 0; t < tracks.value_or(0); ++t) {
        r.DVDSprache[t] = ByteValue(file, s, DvdKey(t, "-Sprache"));
        r.DVDBitrate[t] = ByteValue(file, s, DvdKey(t, "-Bitrate"));
        // A code outside the table would reach the DVD author as no language.
        if (r.DVDSprache[t] != kNone && r.DVDSprache[t] >= LanguageTable().size()) {
            errors << QString::asprintf("Quelle %.2d: Tonspur %.1d ", i, t) +
                          QStringLiteral("Sprache ungültig.");
            r.DVDSprache[t] = kNone;
        }
    }
    return errors;
}

namespace {

// The first source whose stored title set is lower than the one before it (the
// DVD would lose a source); 0 when the numbers do not decrease. A source
// without a stored number is left out of the comparison.
int BrokenTitleSet(const SourceTable& table) {
    int last = 0;
    for (int i = 1; i <= table.count(); ++i) {
        if (table[i].VTS == kNone) continue;
        if (table[i].VTS < last) return i;
        last = table[i].VTS;
    }
    return 0;
}

}  // namespace

ProjectLoadOutcome ProjectRead(const IniFile& file, SourceTable& table, const ProjectMedia& media) {
    ProjectLoadOutcome outcome;
    table.removeAll();
    const int n = std::clamp(file.intValue(kSources, kCount, 0), 0, kMaxSources);
    for (int i = 1; i <= n; ++i) {
        MPEGInfo& record = table[table.append(QString())];
        outcome.errors << ReadProjectSource(file, i, record);
        const int generation = media.probe();
        if (generation == 0) {
            ++outcome.withoutLibrary;
            DeriveFileFields(record, nullptr);
        } else {
            outcome.errors << CheckSource(i, record, generation, media.library);
        }
    }
    // Title sets out of order would drop sources from the DVD: they are formed
    // anew from the sources and the stored breaks.
    if (const int broken = BrokenTitleSet(table)) {
        outcome.errors << QString::asprintf("Quelle %.2d: ", broken) +
                              QStringLiteral("Titelset ungültig, die Titelsets wurden neu gebildet.");
        table.titleSetPass();
    }
    return outcome;
}

ProjectLoadOutcome ProjectLoad(const QString& path, SourceTable& table, const ProjectMedia& media) {
    IniFile file;
    file.load(path);
    return ProjectRead(file, table, media);
}

QString ProjectErrorMessage(const QStringList& errors) {
    if (errors.isEmpty()) return QString();
    const QString head = QStringLiteral("Folgende Fehler sind aufgetreten:\r\n");
    if (errors.size() == 1) return head + errors.first();
    return head + QStringLiteral("\r\n") + errors.join(QStringLiteral("\r\n"));
}

QString NoLibraryMessage() {
    return QStringLiteral("Es wurde keine MediaInfo.DLL gefunden.");
}
