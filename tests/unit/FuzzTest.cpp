// Seeded mutation fuzzing of the readers of outside input: each seed is mutated
// 250 times under a fixed random seed; no reader may crash or hang, and each
// keeps its promises.
#include <QRandomGenerator>

#include "acquisition/RipChapters.h"
#include "acquisition/VcdImage.h"
#include "base/LineSplitter.h"
#include "chapters/ChapterFile.h"
#include "chapters/TimeText.h"
#include "persistence/Project.h"
#include "persistence/Settings.h"
#include "pipeline/AuthorScript.h"
#include "pipeline/BurnOptions.h"
#include "sources/SourceTable.h"
#include "sources/Tables.h"
#include "unit/FakeMediaLibrary.h"

namespace {

// One to four of: a token or random bytes inserted, bytes deleted, a piece repeated, the rest cut off.
QByteArray Mutate(QByteArray bytes, QRandomGenerator& random) {
    static const QByteArrayList tokens = {"\n", "\r", "[", "]",           "=",    QByteArray(1, '\0'),
                                          "0x", "$",  "-", "99999999999", "\xff", "<",
                                          "&",  "\"", ",", "00:00:01.000"};
    for (int n = 1 + random.bounded(4); n > 0; --n) {
        const int at = random.bounded(bytes.size() + 1);
        const int op = random.bounded(5);
        if (op == 0) bytes.insert(at, tokens[random.bounded(tokens.size())]);
        if (op == 1) bytes.insert(at, QByteArray(1 + random.bounded(4), char(random.bounded(256))));
        if (op == 2) bytes.remove(at, 1 + random.bounded(8));
        if (op == 3) bytes.insert(at, bytes.mid(at, 8).repeated(1 + random.bounded(50)));
        if (op == 4) bytes.truncate(at);
    }
    return bytes;
}

bool KnownLanguage(quint8 code) {
    return code == kNone || code < LanguageTable().size();
}

TEST(Fuzz, ReadersOfOutsideInputKeepTheirPromises) {
    TempFolder dir;
    FakeMediaLibrary library;
    MPEGInfo film;
    film.Datei = dir.file("film.mpg");
    const std::tuple<const char*, QByteArray, std::function<void(const QByteArray&)>> targets[] = {
        {"settings", "[Kapitel]\r\nAnzahl=10\r\n[ImageDVD]\r\nTitel=Meine_DVD\r\nBrenner=$1\r\n",
         [&](const QByteArray& bytes) {
             IniFile ini, again;
             ini.parse(bytes);
             again.parse(ini.toBytes());
             ProgramSettings s;
             SettingsRead(ini, false, s, SettingsContext{dir.path()});
             EXPECT_EQ(again.toBytes(), ini.toBytes()) << "the written text reads back the same";
             EXPECT_TRUE(DvdLabelText(s.label) == s.label && s.isoPath == s.work + '/' + s.label + ".iso");
         }},
        {"project",
         "[Quellen]\r\nAnzahl=2\r\n[Quelle01]\r\nDatei=/fehlt/a.mpg\r\nTonspuren=2\r\n0-Format=0\r\nVTS=1\r\n"
         "Kapitel=00:10:00.000,00:20:00.000\r\nD0-Sprache=21\r\n[Quelle02]\r\nTonspuren=1\r\nVTS=2\r\n",
         [&](const QByteArray& bytes) {
             IniFile ini;
             ini.parse(bytes);
             SourceTable t;
             ProjectRead(ini, t, ProjectMedia{library, [] { return 0; }});
             int vts = 0;  // title sets never decrease; a source without one is left out
             for (int i = 1; i <= t.count(); ++i) {
                 EXPECT_TRUE(t[i].trackCount() <= 2 && IsChapterList(t[i].Kapitel) &&
                             (t[i].VTS == kNone || t[i].VTS >= vts) && KnownLanguage(t[i].DVDSprache[0]) &&
                             KnownLanguage(t[i].DVDSprache[1]));
                 if (t[i].VTS != kNone) vts = t[i].VTS;
             }
         }},
        {"chapter files", "00:10:00.000\r\n00:20:00.000\r\n1500\r\n",
         [&](const QByteArray& bytes) {
             dir.write("film.Kapitel", bytes);
             dir.write("film.txt", bytes.mid(bytes.size() / 2));
             ReadChapterFile(film);
             EXPECT_TRUE(IsChapterList(film.Kapitel));
             EXPECT_TRUE(IsChapterList(EntryPointChapters(QString::fromLatin1(bytes).split('\n')).join(',')));
         }},
        {"images", QByteArray(42337, '\0') + "\x06MPEGAV\x01" + QByteArray(600, '\0'),
         [&](const QByteArray& bytes) {
             const QString track = ImageTrack(dir.write("bild.bin", bytes));
             EXPECT_TRUE(QStringList({"", SvcdTrack(), VcdTrack(), OldVcdTrack()}).contains(track));
             IsVcdImage(dir.file("bild.bin"));
         }},
        {"tool output", "eins\r\nzwei\np1\rp2\r" + QByteArray(70000, 'x') + "\n",
         [&](const QByteArray& bytes) {
             MemoryLog log;
             LineSplitter lines(log);
             for (int at = 0; at < bytes.size(); at += 4096)
                 lines.feed(bytes.mid(at, 4096));
             lines.flush();
             for (const QString& line : log.lines())
                 EXPECT_TRUE(line.size() <= LineSplitter::kMaxToolLineBytes && !line.contains('\n') &&
                             !line.contains('\r') && !line.contains(QChar(0)));
         }},
        {"xml attributes", "/mnt/Filme & Serien/\"Lücke\" <neu>'s.mpg",
         [&](const QByteArray& bytes) {
             QString text = XmlAttribute(QString::fromUtf8(bytes));
             EXPECT_FALSE(text.contains('<') || text.contains('>') || text.contains('"') ||
                          text.contains('\''));
             text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&apos;", "'");
             EXPECT_EQ(text.replace("&amp;", "&"), QString::fromUtf8(bytes));
         }},
    };
    for (const auto& [name, seed, check] : targets) {
        QRandomGenerator random(4711);
        for (int k = 0; k < 250 && !HasFailure(); ++k) {
            const QByteArray input = Mutate(seed, random);
            SCOPED_TRACE(std::string(name) + ": " + input.left(200).toStdString());
            check(input);
        }
    }
}

}  // namespace
