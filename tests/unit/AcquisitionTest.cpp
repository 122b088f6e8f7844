// Disc rip and image extraction without a window: file names, image checks,
// entry points, and the drivers against stand-in rip helpers.

#include <sys/stat.h>

#include "acquisition/RipChapters.h"
#include "acquisition/RipTarget.h"
#include "acquisition/Rippen.h"
#include "acquisition/VcdImage.h"
#include "support/FakeRunContext.h"
#include "support/TestSupport.h"

namespace {

constexpr qint64 kBinDirectory = 42337;
constexpr qint64 kNeroXa = 388808;
constexpr qint64 kNeroDirectory = 392340;

// size bytes of zeros with pieces written at their offsets.
QByteArray Bytes(qint64 size, const QList<QPair<qint64, QByteArray>>& pieces) {
    QByteArray data(size, '\0');
    for (const auto& [offset, piece] : pieces)
        data.replace(offset, piece.size(), piece);
    return data;
}

}  // namespace

TEST(RipTargets, NameTellsItsPartOfASetOrGetsItsNumber) {
    // Images ignore case and only the image's own name counts; discs are case-sensitive
    // (plain image names are the real rip's matter).
    EXPECT_EQ((QStringList{ImageTargetPath("/ripp", "/b/FILM CD3.NRG", 4),
                           ImageTargetPath("/ripp/cd1", "/b/Film.v2.bin", 1),
                           DiscTargetPath("/ripp", "TITEL_CD1", 0), DiscTargetPath("/ripp", "urlaub cd2", 2),
                           DiscTargetPath("/ripp", "Urlaub 2003/2004", 1)}),
              (QStringList{"/ripp/FILM CD3.mpg", "/ripp/cd1/Film.v2_CD2.mpg", "/ripp/TITEL_CD1_CD1.mpg",
                           "/ripp/urlaub cd2.mpg", "/ripp/Urlaub 2003_2004_CD2.mpg"}));
}

// Real VCD and SVCD .bin images are the real rip's and the rip tab's matter; here the edges.
TEST(Images, RawMode2OrNeroXaWithVcdAndTheDirectoryChoosesTheTrack) {
    TempFolder dir;
    int n = 0;  // every image a file of its own
    // One byte off the start of a raw mode-2 image.
    const QByteArray other = QByteArray::fromHex("00ffffffffffffffffffff0000020102000008000000080000000000") +
                             QByteArray(104, 'x');
    // "VCD" must end within the 600 bytes read after the directory offset.
    const auto nero = [&](const QByteArray& xa, qint64 vcdAt) {
        return dir.write(QStringLiteral("nero%1.nrg").arg(++n),
                         Bytes(kNeroDirectory + 700, {{kNeroXa, xa}, {kNeroDirectory + vcdAt, "VCD"}}));
    };
    ASSERT_EQ(mkfifo(dir.file("fifo.bin").toLocal8Bit().constData(), 0600), 0);  // never blocks the window
    const std::pair<QString, bool> images[] = {{dir.write("mode1.bin", other), false},
                                               {nero("CD-XA", 0), true},
                                               {nero("CD-XA", 597), true},
                                               {nero("CD-XA", 598), false},
                                               {nero("CD-XB", 0), false},
                                               {dir.write("leer.bin", QByteArray()), false},
                                               {dir.file("fifo.bin"), false}};
    for (const auto& [image, vcd] : images)
        EXPECT_EQ(IsVcdImage(image), vcd) << image.toStdString();

    const auto bin = [&](const QByteArray& name, qint64 at) {
        return dir.write(QStringLiteral("bild%1.bin").arg(++n),
                         Bytes(kBinDirectory + 700, {{kBinDirectory + at, name}}));
    };
    const QByteArray nrg = Bytes(kNeroDirectory + 700, {{kNeroDirectory + 10, "\x05MPEG2\x01"}});
    const std::pair<QString, QString> tracks[] = {
        {bin(QByteArray("\x04MPEG\0\0\0\x01", 9), 100), OldVcdTrack()},
        {bin("MPEGAV", 494), VcdTrack()},
        {bin("MPEGAV", 495), ""},  // must end on the 500th byte
        {dir.write("bild.nrg", nrg), SvcdTrack()},
        {dir.write("bild.iso", nrg), ""},
        {dir.file("fifo.bin"), ""}};
    for (const auto& [image, track] : tracks)
        EXPECT_EQ(ImageTrack(image), track) << image.toStdString();
}

namespace {

// The drivers against a stand-in rip helper in a rip folder whose name has a
// blank; ChRipDatei is checked and the source list records what it gets.
class Acquisition : public ::testing::Test {
  protected:
    Acquisition() {
        ctx.values.ripRoot = rip() + QLatin1Char('/');
        ctx.values.ripAddToList = true;
        job.addRippedFile = [this](const QString& path) {
            added << path;
            return true;
        };
    }
    QString rip() const { return dir.file("Ripp Ordner"); }
    QString temp() const { return rip() + "/temp"; }
    QString log() const { return ctx.lines().join(QLatin1Char('\n')); }

    // A helper that tells its version, records its arguments one per line,
    // writes the track (when given) and an XML file below the folder after /o,
    // and exits with exitCode.
    void useHelper(const QString& track, int exitCode = 0) {
        QByteArray script =
            "#!/bin/sh\n[ \"$1\" = -version ] && { echo 'lkVCDxRip 0.9'; exit 0; }\n"
            "printf '%s\\n' \"$@\" > '" +
            arguments().toUtf8() + "'\n";
        if (!track.isEmpty())
            script += "mkdir -p \"$2" + QFileInfo(track).path().toUtf8() + "\"\nprintf Spur > \"$2" +
                      track.toUtf8() +
                      "\"\nprintf '<entry id=\"entry-001\">2.5</entry>\\n' > \"$2/vcd.xml\"\n";
        script += "exit " + QByteArray::number(exitCode) + "\n";
        ctx.values.tools[Tool::lkVCDxRip] = dir.executable("bin/lkVCDxRip", script);
    }
    QString arguments() const { return dir.file("argumente.txt"); }
    // A .bin image (not a real disc) whose directory area names MPEGAV.
    QString image(const QString& name) const {
        return dir.write("Bilder/" + name,
                         Bytes(1 << 20, {{kBinDirectory + 60, QByteArray("\x06MPEGAV\x01")}}));
    }

    TempFolder dir;
    FakeRunContext ctx{dir.path()};
    RipJob job;
    QStringList added;
};

}  // namespace

// Entry points become time texts; the start is no chapter, and vcd.xml wins over svcd.xml
// (the chapter file's form is checked with the disc rip).
TEST_F(Acquisition, ChaptersComeFromTheEntryPointsOfVcdXml) {
    const QString target = rip() + "/Film_CD1.mpg";
    dir.write("Ripp Ordner/temp/svcd.xml", "<entry id=\"entry-001\">9.0</entry>\n");
    dir.write("Ripp Ordner/temp/vcd.xml",
              "<default-entry id=\"entry-000\"/>\n<entry id=\"entry-001\">0.000000</entry>\n"
              "  <entry id=\"entry-002\">1.210911</entry>\n<entry id=\"entry-003\">3725.5</entry>\n"
              "<entry id=\"entry-004\">unbekannt</entry>\n<entry id=\"entry-005\">75</entry>");
    ReadRipChapters(ctx, temp(), target);
    EXPECT_TRUE(log().endsWith(
        "Kapitel:\n           00:00:01.210\n           01:02:05.500\n           00:01:15.000"));
    QDir(temp()).removeRecursively();
    ReadRipChapters(ctx, temp(), target);
    EXPECT_EQ(ctx.lines().last(), "Fehler:    Es wurde keine XML-Datei gefunden.");
}

TEST_F(Acquisition, DiscRipUsesTheAddressAndNamesTheFileAfterTheLabel) {
    useHelper(SvcdTrack());
    const QString disc = dir.write("disc.iso", QByteArray(8192, '\0'));
    RipDiscs(ctx, {disc + ": (0:0:0) - Leer -", disc + ": (1:0:2) FILM_CD1"}, job);
    const QString target = rip() + "/FILM_CD1_CD1.mpg";
    EXPECT_EQ(FileBytes(target), "Spur") << log().toStdString();
    EXPECT_EQ(FileBytes(arguments()).split('\n').value(3), "1,0,2");
    EXPECT_EQ(FileBytes(rip() + "/FILM_CD1_CD1.Kapitel"), "00:00:02.500\r\n");
    EXPECT_EQ(added, QStringList{target});
    EXPECT_FALSE(QFileInfo::exists(temp()) || log().contains("Fehler:"));
}

// Without the helper or a disc nothing runs; a disc without the main track is no (S)VCD.
TEST_F(Acquisition, NothingIsRippedWithoutHelperDiscOrMainTrack) {
    ctx.values.tools[Tool::lkVCDxRip] = dir.file("bin/lkVCDxRip");
    RipDiscs(ctx, {"/dev/sr0: (1:0:0) DISC"}, job);
    EXPECT_EQ(ctx.lines(),
              QStringList({"Rippen", "========", "", "Fehler:    Die lkVCDxRip.exe wurde nicht gefunden."}));
    useHelper(VcdTrack());
    RipDiscs(ctx, {"/dev/sr0: (1:0:0) - Leer -"}, job);
    EXPECT_EQ(ctx.scripted.takeTexts(), QStringList{"Es sind keine Datenträger eingelegt."});
    EXPECT_EQ(ctx.lines().last(), "Fehler:    Es sind keine Datenträger eingelegt.");
    EXPECT_FALSE(QFileInfo::exists(arguments()));
    const QString entry = dir.file("fehlt") + ": (1:0:0) AUDIO";
    const QStringList notice{"Fehler:    Die Quelle ist keine (S)VCD.",
                             "Rippen:    Beim Extrahieren des Images", "           " + entry,
                             "           ist ein Fehler aufgetreten."};
    const QString old = dir.write("Ripp Ordner/AUDIO_CD1.mpg", "alt");
    for (const int exitCode : {0, 1}) {
        useHelper(QString(), exitCode);
        ctx.scripted.answer("yes");  // overwrite the old target
        RipDiscs(ctx, {entry}, job);
        EXPECT_EQ(ctx.lines().mid(ctx.lines().size() - 4), notice) << log().toStdString();
    }
    EXPECT_TRUE(added.isEmpty());
    EXPECT_EQ(FileBytes(old), "alt") << "kept: the disc is no (S)VCD";
}

// Only the temp folder is emptied, even when it links elsewhere.
TEST_F(Acquisition, ExistingTargetIsReplacedOnlyAfterYesAndOnlyTheTempFolderIsEmptied) {
    useHelper(VcdTrack());
    const QString film = image("Film.bin");
    const QString target = dir.write("Ripp Ordner/Film_CD1.mpg", "alt");
    const QString outside = dir.write("Anderswo/wichtig.txt", "bleibt");
    const QString beside = dir.write("Ripp Ordner/andere.mpg", "bleibt");
    ASSERT_TRUE(QFile::link(QFileInfo(outside).path(), temp())) << "temp points elsewhere";
    ctx.scripted.answer("no");
    ExtractImages(ctx, {film}, job);
    EXPECT_EQ(ctx.scripted.takeTexts(),
              QStringList{"Die Zieldatei " + target + "\r\nist bereits vorhanden. Überschreiben?"});
    EXPECT_EQ(FileBytes(target), "alt");
    EXPECT_FALSE(QFileInfo::exists(arguments())) << "the helper did not run";
    EXPECT_EQ(
        ctx.lines().mid(ctx.lines().size() - 5, 2),
        QStringList({"Abbruch:   Abbruch durch den Anwender.", "Extract:   Beim Extrahieren des Images"}));
    ctx.scripted.answer("yes");
    ExtractImages(ctx, {film}, job);
    EXPECT_EQ(FileBytes(target), "Spur") << log().toStdString();
    EXPECT_EQ(ctx.gauge.maximum, 1016) << "1024 KB of image x 0.992";
    EXPECT_EQ(QDir(QFileInfo(outside).path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"wichtig.txt"});
    EXPECT_EQ(FileBytes(beside), "bleibt");
    EXPECT_FALSE(QFileInfo::exists(temp()));
}
