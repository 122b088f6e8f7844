#include "sources/Admission.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"
#include "unit/FakeMediaLibrary.h"

namespace {

const QString kNotLoaded = QStringLiteral("Die Datei wird nicht geladen.");

class AdmissionTest : public FakeLibraryTest {
  protected:
    QString sized(const QString& name, qint64 bytes) {
        const QString path = folder.write(name, QByteArray());
        EXPECT_TRUE(QFile::resize(path, bytes));
        return path;
    }
    QString programStream(const QString& audioCount, const QStringList& codecs = {}) {
        const QString path = file(QStringLiteral("film-%1.mpg").arg(++streams_));
        SetVideo(lib, path, "MPEG2", audioCount);
        for (int j = 0; j < codecs.size(); ++j)
            SetTrack(lib, path, j, {codecs[j]});
        return path;
    }
    QString companion(const QString& name, const QString& codec) {
        const QString path = file(name);
        SetAudioFile(lib, path, {codec});
        return path;
    }
    ScriptedDialogs dialogs;

  private:
    int streams_ = 0;
};

}  // namespace

// Empty, tiny and missing files get the size message; a line break in the name would
// break the authoring script and the project file; over 2 GiB needs jrDMUX.
TEST_F(AdmissionTest, BySize) {
    const QString over = sized("gross.mpg", (kLargeFileKB + 1) * 1024);
    const QString broken = sized("zwei\nZeilen.mpg", 1024);
    const auto size0 = [](const QString& path) {
        return "Die Datei " + path + "\r\nhat die Größe 0 und wird nicht geladen";
    };
    const struct {
        QString path;
        bool jrDmux;
        QString refusal;
    } cases[] = {
        {sized("leer.mpg", 0), true, size0(folder.file("leer.mpg"))},
        {sized("klein.mpg", 1023), true, size0(folder.file("klein.mpg"))},
        {folder.file("fehlt.mpg"), true, size0(folder.file("fehlt.mpg"))},
        {sized("kib.mpg", 1024), false, ""},
        {broken, true, "Der Name der Datei " + broken + "\r\nenthält einen Zeilenumbruch. " + kNotLoaded},
        {sized("genau.mpg", kLargeFileKB * 1024), false, ""},
        {over, true, ""},
        {over, false, "Die Datei " + over + "\r\nist größer als 2 GB und wird nicht geladen"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AdmitBySize(c.path, c.jrDmux, dialogs), c.refusal.isEmpty()) << c.path.toStdString();
        EXPECT_EQ(dialogs.takeTexts(), c.refusal.isEmpty() ? QStringList() : QStringList{c.refusal});
    }
}

// Refusals of what the library tells (a format outside the table is the real-media
// tests' matter, as is MP2 with AC-3 with and without jrDMUX): unknown or too many
// track counts, no supported track, AC-3 without jrDMUX (only that message), an
// elementary stream without a usable companion. Without a library a file is refused
// once; a library that does not load lets it pass.
TEST_F(AdmissionTest, ByContent) {
    const QString tracks = " sind vom Format\r\n\r\n%1\r\n\r\n";
    const QString unsupported = tracks + "und werden nicht unterstützt. " + kNotLoaded;
    const QString noJrDmux = tracks + "Die dafür benötigte jrDMUX.exe wurde nicht gefunden. " + kNotLoaded;
    const QString unknownCount = programStream(""), three = programStream("3");
    const QString video = file("clip.m2v");
    SetVideo(lib, video, "MPV2", "0");
    const QString noTrack = "Zu der Datei " + video + "\r\n\r\nwurde keine Tonspur gefunden. " + kNotLoaded;
    const QString mp3Companion = "Die Tonspur " + folder.file("clip.mpa") +
                                 " ist vom Format\r\n\r\nMPA1L3\r\n\r\nund wird nicht unterstützt. " +
                                 kNotLoaded;
    const QString pcm = programStream("2", {"PCM", "MPA1L3"}), dts = programStream("2", {"AC3", "DTS"});
    const struct {
        QString path;
        bool jrDmux;
        int generation;
        QStringList refusals;
        bool addMp3Companion = false;  // before the check
    } cases[] = {
        {file("a.mpg"), true, 0, {"Es wurde keine MediaInfo.DLL gefunden."}},
        {unknownCount,
         true,
         5,
         {"Die Anzahl der Tonspuren der Datei " + unknownCount + "\r\n\r\nkonnte nicht ermittelt werden. " +
          kNotLoaded}},
        {three,
         true,
         5,
         {"Die Datei " + three + " hat 3 Tonspuren.\r\n\r\nEs werden höchstens zwei Tonspuren unterstützt. " +
          kNotLoaded}},
        {pcm, true, 5, {"Die Tonspur(en) der Datei " + pcm + unsupported.arg("PCM MPA1L3")}},
        {programStream("2", {"MPA1L3", "MPA1/2"}), false, 5, {}},
        {dts, false, 5, {"Die Tonspur(en) der Datei " + dts + noJrDmux.arg("AC3 DTS")}},
        {video, false, 5, {noTrack}},
        {video, false, 5, {mp3Companion, noTrack}, true},
    };
    for (const auto& c : cases) {
        if (c.addMp3Companion) companion("clip.mpa", "MPA1L3");
        const int loads = lib.loads;
        EXPECT_EQ(AdmitByContent(c.path, c.generation, lib, c.jrDmux, dialogs), c.refusals.isEmpty())
            << c.path.toStdString();
        EXPECT_EQ(dialogs.takeTexts(), c.refusals) << c.path.toStdString();
        if (c.generation == 0) EXPECT_EQ(lib.loads, loads) << "the library is not loaded";
    }
    // Two usable companions admit the stream (AC-3 ones need no jrDMUX); a third is not read.
    companion("clip.mp2", "MPA1/2");
    companion("clip-0.mp2", "AC3");
    companion("clip-1.mp2", "MPA1L3");
    EXPECT_TRUE(AdmitByContent(video, 5, lib, false, dialogs));
    EXPECT_EQ(dialogs.takeTexts(), QStringList{mp3Companion});
    EXPECT_FALSE(lib.opened.contains(folder.file("clip-1.mp2")));
    lib.loadable = false;
    EXPECT_TRUE(AdmitByContent(file("b.mpg"), 5, lib, false, dialogs));
    EXPECT_TRUE(dialogs.takeTexts().isEmpty());
}
