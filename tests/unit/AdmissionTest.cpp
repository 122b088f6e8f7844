#include "sources/Admission.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"
#include "unit/FakeMediaLibrary.h"

namespace {

QString SizedFile(const TempFolder& folder, const QString& name, qint64 bytes) {
    const QString path = folder.write(name, QByteArray());
    QFile file(path);
    if (!file.resize(bytes)) ADD_FAILURE() << "cannot size " << path.toStdString();
    return path;
}

class AdmissionTest : public FakeLibraryTest {
  protected:
    bool admit(const QString& path, bool jrDmux = false, int generation = 5) {
        return AdmitByContent(path, generation, lib, jrDmux, dialogs);
    }
    QString programStream(const QStringList& codecs) {
        const QString path = file(QStringLiteral("film-%1.mpg").arg(++streams_));
        SetVideo(lib, path, "MPEG2", QString::number(codecs.size()));
        for (int j = 0; j < codecs.size(); ++j) {
            FakeTrack track;
            track.codec = codecs[j];
            SetTrack(lib, path, j, track);
        }
        return path;
    }
    QString companion(const QString& name, const QString& codec) {
        const QString path = file(name);
        FakeTrack track;
        track.codec = codec;
        SetAudioFile(lib, path, track);
        return path;
    }

    ScriptedDialogs dialogs;

  private:
    int streams_ = 0;
};

}  // namespace

TEST_F(AdmissionTest, EmptyTinyAndMissingFilesAreRefusedWithTheSizeMessage) {
    const QString cases[] = {SizedFile(folder, "leer.mpg", 0), SizedFile(folder, "klein.mpg", 1023),
                             folder.file("fehlt.mpg")};
    for (const QString& path : cases) {
        EXPECT_FALSE(AdmitBySize(path, true, dialogs));
        EXPECT_EQ(
            dialogs.takeTexts(),
            QStringList{"Die Datei " + path + QStringLiteral("\r\nhat die Größe 0 und wird nicht geladen")});
    }
    EXPECT_TRUE(AdmitBySize(SizedFile(folder, "kib.mpg", 1024), false, dialogs));
    EXPECT_TRUE(dialogs.takeTexts().isEmpty());
    // A line break in the path would break the authoring script and the project file.
    const QString broken = SizedFile(folder, QStringLiteral("zwei\nZeilen.mpg"), 1024);
    EXPECT_FALSE(AdmitBySize(broken, true, dialogs));
    EXPECT_EQ(dialogs.takeTexts(), QStringList{"Der Name der Datei " + broken +
                                               QStringLiteral("\r\nenthält einen Zeilenumbruch. "
                                                              "Die Datei wird nicht geladen.")});
}

TEST_F(AdmissionTest, FilesOverTwoGigabytesNeedJrDmux) {
    const QString exact = SizedFile(folder, "genau.mpg", kLargeFileKB * 1024);
    const QString over = SizedFile(folder, "gross.mpg", (kLargeFileKB + 1) * 1024);
    EXPECT_TRUE(AdmitBySize(exact, false, dialogs));
    EXPECT_TRUE(AdmitBySize(over, true, dialogs));
    EXPECT_TRUE(dialogs.takeTexts().isEmpty());
    EXPECT_FALSE(AdmitBySize(over, false, dialogs));
    EXPECT_EQ(
        dialogs.takeTexts(),
        QStringList{"Die Datei " + over + QStringLiteral("\r\nist größer als 2 GB und wird nicht geladen")});
}

TEST_F(AdmissionTest, WithoutLibraryTheFileIsRefusedOnceAndALibraryThatDoesNotLoadLetsItPass) {
    EXPECT_FALSE(admit(file("a.mpg"), true, 0));
    EXPECT_EQ(dialogs.takeTexts(), QStringList{"Es wurde keine MediaInfo.DLL gefunden."});
    EXPECT_EQ(lib.loads, 0);

    lib.loadable = false;
    EXPECT_TRUE(admit(file("b.mpg")));
    EXPECT_TRUE(dialogs.takeTexts().isEmpty());
    EXPECT_EQ(lib.opens, 0);
}

TEST_F(AdmissionTest, RefusesFormatsOutsideTheTableWithTheirText) {
    const QString path = file("clip.mp4");
    SetVideo(lib, path, "MPEG-4", "1");
    for (int generation : {4, 5}) {
        EXPECT_FALSE(admit(path, true, generation));
        EXPECT_EQ(
            dialogs.takeTexts(),
            QStringList{
                "Die Datei " + path +
                QStringLiteral(" hat das Format\r\n\r\nMPEG-4 text\r\n\r\nDie Datei wird nicht geladen.")});
    }
}

TEST_F(AdmissionTest, RefusesUnknownOrTooManyTrackCounts) {
    const QString path = file("film.mpg");
    SetVideo(lib, path, "MPEG2", QString());
    EXPECT_FALSE(admit(path, true));
    EXPECT_EQ(
        dialogs.takeTexts(),
        QStringList{"Die Anzahl der Tonspuren der Datei " + path +
                    QStringLiteral("\r\n\r\nkonnte nicht ermittelt werden. Die Datei wird nicht geladen.")});
    SetVideo(lib, path, "MPEG2", "3");
    EXPECT_FALSE(admit(path, true));
    EXPECT_EQ(dialogs.takeTexts(),
              QStringList{"Die Datei " + path +
                          QStringLiteral(" hat 3 Tonspuren.\r\n\r\nEs werden höchstens zwei "
                                         "Tonspuren unterstützt. Die Datei wird nicht geladen.")});
}

TEST_F(AdmissionTest, ProgramStreamNeedsOneSupportedTrackAndAc3NeedsJrDmux) {
    const QString unsupported = QStringLiteral(
        " sind vom Format\r\n\r\n%1\r\n\r\nund werden nicht unterstützt. Die Datei wird nicht geladen.");
    const QString noJrDmux = QStringLiteral(
        " sind vom Format\r\n\r\n%1\r\n\r\nDie dafür benötigte jrDMUX.exe wurde nicht gefunden. "
        "Die Datei wird nicht geladen.");
    const struct {
        QStringList codecs;
        bool jrDmux;
        QString refusal;
    } cases[] = {
        // The real-media tests show one unsupported track, and MP2 with AC-3 with and without jrDMUX.
        {{"PCM", "MPA1L3"}, true, unsupported.arg("PCM MPA1L3")},
        {{"MPA1L3", "MPA1/2"}, false, {}},
        // One AC-3 and one unsupported track: only the jrDMUX message, or admitted with jrDMUX.
        {{"AC3", "DTS"}, false, noJrDmux.arg("AC3 DTS")},
        {{"AC3", "DTS"}, true, {}},
    };
    for (const auto& c : cases) {
        const QString path = programStream(c.codecs);
        const std::string name = c.codecs.join(' ').toStdString() + (c.jrDmux ? " with jrDMUX" : "");
        EXPECT_EQ(admit(path, c.jrDmux), c.refusal.isEmpty()) << name;
        EXPECT_EQ(dialogs.takeTexts(), c.refusal.isEmpty()
                                           ? QStringList()
                                           : QStringList{"Die Tonspur(en) der Datei " + path + c.refusal})
            << name;
    }
}

namespace {

QString NoTrack(const QString& video) {
    return "Zu der Datei " + video +
           QStringLiteral("\r\n\r\nwurde keine Tonspur gefunden. Die Datei wird nicht geladen.");
}

QString Mp3Companion(const QString& mp3) {
    return "Die Tonspur " + mp3 +
           QStringLiteral(
               " ist vom Format\r\n\r\nMPA1L3\r\n\r\nund wird nicht unterstützt. Die Datei wird nicht "
               "geladen.");
}

}  // namespace

TEST_F(AdmissionTest, ElementaryStreamWithoutCompanionIsRefused) {
    const QString video = file("clip.m2v");
    SetVideo(lib, video, "MPV2", "0");
    EXPECT_FALSE(admit(video));
    EXPECT_EQ(dialogs.takeTexts(), QStringList{NoTrack(video)});

    const QString mp3 = companion("clip.mpa", "MPA1L3");
    EXPECT_FALSE(admit(video));
    EXPECT_EQ(dialogs.takeTexts(), (QStringList{Mp3Companion(mp3), NoTrack(video)}));
}

TEST_F(AdmissionTest, ElementaryStreamTakesAtMostTwoCompanions) {
    const QString video = file("clip.m1v");
    SetVideo(lib, video, "MPV1", "0");
    companion("clip.mp2", "MPA1/2");
    const QString mp3 = companion("clip.mpa", "MPA1L3");
    companion("clip-0.mp2", "AC3");     // AC-3 companions need no jrDMUX
    companion("clip-1.mp2", "MPA1L3");  // third candidate: not considered
    EXPECT_TRUE(admit(video, false));
    EXPECT_EQ(dialogs.takeTexts(), QStringList{Mp3Companion(mp3)});
    EXPECT_FALSE(lib.opened.contains(folder.file("clip-1.mp2")));
}
