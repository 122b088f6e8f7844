#include "persistence/Settings.h"
#include "support/TestSupport.h"
#include "tools/ToolSearch.h"

namespace {

class SettingsTest : public ::testing::Test {
  protected:
    QString folder(const QString& name) const {
        QDir().mkpath(elsewhere.file(name));
        return elsewhere.file(name);
    }
    QString settingsFile(const QByteArray& content) const { return program.write("tavrolin.ini", content); }
    // Loads over the values the window shows after its start.
    ProgramSettings load(const QString& path, bool full, ProgramSettings s = windowState()) {
        outcome = SettingsLoad(path, full, s, context);
        return s;
    }
    static ProgramSettings windowState() {
        ProgramSettings s;
        s.tempPolicy = 1;
        s.priority = 3;
        return s;
    }

    TempFolder program;
    TempFolder elsewhere;
    // A screen of 1025x768, a window of 564x393, list sizes; nothing on the search path.
    SettingsContext context{
        program.path(),          program.path(), program.path(), 1025, 768, 564, 393, 2, 7, 3, 5,
        {elsewhere.file("leer")}};
    SettingsLoadOutcome outcome;
};

QByteArray Written(const ProgramSettings& settings) {
    IniFile file;
    SettingsWrite(file, true, settings);
    return file.toBytes();
}

}  // namespace

// Position, volume, label, working folder and tools of a first start are the window's
// tests' matter, a label's cleaning the fuzz test's.
TEST_F(SettingsTest, FirstStartAndMalformedValuesGiveTheDefaultsAndTheProgramsOwnFolders) {
    const QString p = program.path();
    const ProgramSettings first = load(program.file("tavrolin.ini"), true);
    // Priority and temporary files are not what the window showed; the DVD folder is made; no menus.
    EXPECT_EQ((QList<int>{first.priority, first.tempPolicy}), (QList<int>{2, 0}));
    EXPECT_EQ((QStringList{first.images, first.ripRoot, first.dvdRoot, first.menu1}),
              (QStringList{p + "/Arbeit", p, p + "/Dvd", ""}));
    EXPECT_TRUE(QFileInfo(first.dvdRoot).isDir());

    // A relative folder never counts; a burner number beyond the list selects the first burner.
    const ProgramSettings malformed =
        load(settingsFile("[Fenster]\nPosLinks=12x\n[Kapitel]\nLautst\xC3\xA4rke=laut\n"
                          "[Author]\nVariante0=ja\n[ImageDVD]\nBrenner=5\nSpeed=-1\nTitel=\n"
                          "[Allgemein]\nTempor\xC3\xA4r=3\nProcess=$FF\nGaugeFore=lila\n"
                          "[Pfade]\nArbeit=relativ/ordner\nRIProot=/gibt/es/nicht\nProjekte=\n"),
             true);
    EXPECT_EQ(Written(malformed), Written(first));

    // Existing "Arbeit" and "Ripp" folders are taken.
    QDir(p).mkpath("Arbeit");
    QDir(p).mkpath("Ripp");
    const ProgramSettings s = load(program.file("none.ini"), true);
    EXPECT_EQ((QStringList{s.work, s.ripRoot}), (QStringList{p + "/Arbeit", p + "/Ripp"}));
}

TEST_F(SettingsTest, SavedSettingsLoadBackUnchanged) {
    ProgramSettings s;
    s.posLinks = -20;
    s.posOben = 5000;
    s.ripImage = s.ripAddToList = s.onePgcPerFile = s.variant2 = s.burn = s.image = s.split = s.imgTool =
        s.erase = s.shutdown = s.eject = s.burnLog = s.singleStep = s.ownProjectName = s.editScript =
            s.hideToolPaths = true;
    s.ripDisc = s.variant0 = s.playMenuFirst = s.decrypter = false;
    s.volume = 123;
    s.chapterInterval = "7";
    s.chapterCount = "";
    s.menu1 = elsewhere.write("menüs/eins.vob", "v");
    s.menu2 = elsewhere.write("menüs/zwei=2.vob", "v");
    s.menu3 = elsewhere.write("menüs/drei.vob", "v");
    s.label = "Urlaub_2024";
    s.burner = 1;
    s.speed = 6;
    for (int t = 0; t < kToolCount; ++t)
        s.tools[Tool(t)] = elsewhere.executable("t/" + ToolFileName(Tool(t)));
    s.tempPolicy = 2;
    s.priority = 4;
    s.gaugeFore = "clRed";
    s.gaugeBack = "$00123456";
    s.images = "/gibt/es/nicht";
    s.svcd = folder("Quellen");
    s.work = folder("Arbeit Ordner");
    s.dvdRoot = folder("Ziel/DVD");
    s.ripRoot = folder("Ripp");
    s.projects = folder("Projekte");
    s.isoPath = "/x/Meine_DVD.iso";
    s.recover = 3;
    const QString path = program.file("tavrolin.ini");
    ASSERT_TRUE(SettingsSave(path, true, s));
    const IniFile ini(path);
    EXPECT_EQ((QStringList{ini.value("ImageDVD", "ImgDatei"), ini.value("Allgemein", "Recover")}),
              (QStringList{s.isoPath, "3"}));
    const ProgramSettings loaded = load(path, true);
    EXPECT_EQ(loaded.isoPath, s.work + "/Urlaub_2024.iso");
    s.isoPath = loaded.isoPath;  // ImgDatei and Recover are written, never read
    s.recover = loaded.recover;
    EXPECT_EQ(Written(loaded), Written(s));
}

// A project file gets no general options and keeps its other sections.
TEST_F(SettingsTest, AProjectFileKeepsItsOtherSections) {
    ProgramSettings s;
    s.work = "/neu";
    const QString path =
        elsewhere.write("a.tvpr", "[Quelle1]\r\nDatei=/v/a.mpg\r\n[Pfade]\r\nArbeit=/alt\r\n");
    ASSERT_TRUE(SettingsSave(path, false, s));
    const IniFile project(path);
    EXPECT_FALSE(project.hasSection("Allgemein"));
    EXPECT_EQ((QStringList{project.value("Quelle1", "Datei"), project.value("Pfade", "Arbeit")}),
              (QStringList{"/v/a.mpg", "/neu"}));
}

// A project leaves position and tools alone and reads a general option only when it holds
// it (the window's tests show the rest); missing menu files fall back to the defaults
// (with none, to nothing).
TEST_F(SettingsTest, LoadingAProjectKeepsWhatItLacksAndMenusFallBack) {
    ProgramSettings current = windowState();
    current.posLinks = 10;
    current.tools[Tool::mpgtx] = "/eigener/mpgtx";
    current.hideToolPaths = current.singleStep = true;
    const QString own = elsewhere.write("mein.vob", "v");
    for (const char* menu : {"menue/menu01sub.vob", "menue/menu02sub.vob"})
        program.write(QLatin1String(menu), "v");
    const QString path = elsewhere.write(
        "p.tvpr", QStringLiteral("[Fenster]\nPosLinks=500\n[Author]\nMen\u00fc1=%1\nMen\u00fc2=/weg/a.vob\n"
                                 "Men\u00fc3=/weg/b.vob\n[Allgemein]\nmpgtx=/anderer/mpgtx\nEinzel=0\n")
                      .arg(own)
                      .toUtf8());
    const ProgramSettings s = load(path, false, current);
    EXPECT_FALSE(outcome.tools) << "no tool search for a project";
    EXPECT_EQ((QStringList{QString::number(s.posLinks), s.tools[Tool::mpgtx], s.menu1, s.menu2, s.menu3}),
              (QStringList{"10", "/eigener/mpgtx", own, program.file("menue/menu01sub.vob"),
                           program.file("menue/menu02sub.vob")}));
    EXPECT_TRUE(!s.singleStep && s.hideToolPaths);
}

TEST_F(SettingsTest, FoldersLoseTrailingSeparatorsAndTheRootGetsNoDoubledOnes) {
    const QString work = folder("Arbeit");
    const QString dvd = folder("Ziel/DVD");
    const ProgramSettings s = load(settingsFile(QStringLiteral("[Pfade]\nArbeit=%1/\nDVDroot=%2/\nSVCD=%3/\n"
                                                               "Images=%3/\n")
                                                    .arg(work, dvd, program.path())
                                                    .toUtf8()),
                                   true);
    EXPECT_EQ((QStringList{s.work, s.dvdRoot, s.svcd, s.isoPath, s.images}),
              (QStringList{work, dvd, program.path(), work + "/Meine_DVD.iso", program.path() + "/"}))
        << "the image folder is kept as read";

    context.programDir = "/";
    const ProgramSettings r =
        load(settingsFile(QStringLiteral("[Pfade]\nDVDroot=%1\n").arg(dvd).toUtf8()), false);
    EXPECT_EQ((QStringList{r.images, r.svcd, r.work, r.isoPath, r.dvdRoot}),
              (QStringList{"/Arbeit", "/", "/", "/Meine_DVD.iso", dvd}));
}

TEST_F(SettingsTest, DvdFolderIsKeptApartFromTheOtherFoldersAndNeedsAParent) {
    const QString work = folder("Work");
    const QString apart = folder("Ziel");
    const QString allInWork = QStringLiteral("SVCD=%1\nRIProot=%1\nProjekte=%1\n").arg(work);
    const struct {
        QString dvd, extra, expected;
    } cases[] = {
        // Equal to or above the working, rip or source folder, or the program folder itself: moved.
        {work, "", work + "/DVD"},
        {elsewhere.path(), "", work + "/DVD"},
        {elsewhere.file("R"), "RIProot=" + folder("R/x") + "\n", work + "/DVD"},
        {program.path(), allInWork, work + "/DVD"},
        {program.path() + "/Dvd", allInWork, program.path() + "/Dvd"},
        {apart + "/DVD", "", apart + "/DVD"},
    };
    for (const auto& c : cases) {
        const QByteArray file =
            QStringLiteral("[Pfade]\nArbeit=%1\nDVDroot=%2\n%3").arg(work, c.dvd, c.extra).toUtf8();
        EXPECT_EQ(load(settingsFile(file), true).dvdRoot, c.expected) << c.dvd.toStdString();
        EXPECT_TRUE(QFileInfo(c.expected).isDir());
    }
    // Without its parent (an empty "Arbeit" is in no other folder): into the program folder.
    QDir().mkpath(program.file("Arbeit"));
    for (const QString& dvd : {elsewhere.file("fehlt/DVD"), QString()})
        EXPECT_EQ(load(settingsFile(("[Pfade]\nDVDroot=" + dvd).toUtf8()), true).dvdRoot,
                  program.path() + "/DVD");
    EXPECT_FALSE(QFileInfo::exists(elsewhere.file("fehlt")));
}
