#include "sources/SourceTable.h"

#include <utility>

int MPEGInfo::trackCount() const {
    bool ok = false;
    const int n = Tonspuren.trimmed().toInt(&ok);
    return ok ? n : 0;
}

bool MPEGInfo::operator==(const MPEGInfo& o) const {
    return Datei == o.Datei && Elementar == o.Elementar && NavPacks == o.NavPacks && TonDatei == o.TonDatei &&
           Format == o.Format && FormatStr == o.FormatStr && Spieldauer == o.Spieldauer &&
           Bildgroesse == o.Bildgroesse && Bildwiederholrate == o.Bildwiederholrate &&
           AspectRatio == o.AspectRatio && Tonspuren == o.Tonspuren && TonFormat == o.TonFormat &&
           TonFormatStr == o.TonFormatStr && TonBitrate == o.TonBitrate && TonAbtastrate == o.TonAbtastrate &&
           DVDSprache == o.DVDSprache && DVDBitrate == o.DVDBitrate && Kapitel == o.Kapitel &&
           Hart == o.Hart && Weich == o.Weich && VTS == o.VTS;
}

int SourceTable::append(const QString& path) {
    if (isFull()) return 0;
    records_[count_] = MPEGInfo();
    records_[count_].Datei = path;
    return ++count_;
}

void SourceTable::remove(int k) {
    if (k < 0 || k >= count_) return;
    for (int i = k; i + 1 < count_; ++i)
        records_[i] = records_[i + 1];
    records_[--count_] = MPEGInfo();
}

void SourceTable::removeAll() {
    while (count_ > 0)
        records_[--count_] = MPEGInfo();
}

void SourceTable::exchange(int a, int b) {
    if (a < 0 || b < 0 || a >= count_ || b >= count_) return;
    std::swap(records_[a], records_[b]);
}

bool TrackUsableAsIs(const MPEGInfo& source, int j) {
    return source.TonAbtastrate[j].toLower() == QLatin1String("48 khz") &&
           source.TonBitrate[j] == source.DVDBitrate[j];
}

quint8 DiscAudioFormat(const MPEGInfo& source, int j) {
    constexpr quint8 kMpegAudio = 0;
    constexpr quint8 kAc3 = 1;
    return source.TonFormat[j] == kAc3 && !TrackUsableAsIs(source, j) ? kMpegAudio : source.TonFormat[j];
}

namespace {

bool SameDiscAudio(const MPEGInfo& a, const MPEGInfo& b) {
    return DiscAudioFormat(a, 0) == DiscAudioFormat(b, 0) && DiscAudioFormat(a, 1) == DiscAudioFormat(b, 1);
}

}  // namespace

bool AlikeForTitleSet(const MPEGInfo& a, const MPEGInfo& b) {
    return a.Format == b.Format && a.Bildgroesse == b.Bildgroesse &&
           a.Bildwiederholrate == b.Bildwiederholrate && a.AspectRatio == b.AspectRatio &&
           SameDiscAudio(a, b) && a.DVDBitrate == b.DVDBitrate && a.DVDSprache == b.DVDSprache;
}

int MixedTitleSet(const SourceTable& table) {
    for (int i = 2; i <= table.count(); ++i)
        if (table[i].VTS == table[i - 1].VTS && !SameDiscAudio(table[i], table[i - 1])) return table[i].VTS;
    return 0;
}

int SourceTable::titleSetPass() {
    for (MPEGInfo& record : records_)
        record.Hart = false;
    int counter = 1;
    records_[0].VTS = 1;
    for (int i = 1; i < count_; ++i) {
        MPEGInfo& record = records_[i];
        if (!AlikeForTitleSet(record, records_[i - 1])) {
            record.Hart = true;
            record.Weich = true;
        }
        if (record.Hart || record.Weich) ++counter;
        record.VTS = static_cast<quint8>(counter);
    }
    return counter;
}

QString TitleSetWarning(int titleSets) {
    if (titleSets <= kMaxTitleSets) return QString();
    return QStringLiteral("Zu viele Titelsets (%1 von höchstens %2)").arg(titleSets).arg(kMaxTitleSets);
}

QStringList SourceTable::paths() const {
    QStringList result;
    for (int i = 0; i < count_; ++i)
        result << records_[i].Datei;
    return result;
}
