#include <QRandomGenerator>

#include "persistence/Settings.h"
#include "support/TestSupport.h"
#include "tools/ToolSearch.h"

namespace {

class SettingsTest : public ::testing::Test {
  protected:
    SettingsTest() {
        context.programDir = context.toolDir = context.menuDir = program.path();
        context.screenWidth = 1025;
        context.screenHeight = 768;
        context.windowWidth = 564;
        context.windowHeight = 393;
        context.burnerCount = 2;
        context.speedCount = 7;
        context.tempCount = 3;
        context.priorityCount = 5;
        // Nothing is found on the search path.
        context.executablePath = {elsewhere.file(QStringLiteral("leer"))};
    }

    QString inProgram(const QString& name) const { return program.file(name); }
    QString folder(const QString& name) const {
        const QString path = elsewhere.file(name);
        QDir().mkpath(path);
        return path;
    }
    QString settingsFile(const QByteArray& content) const {
        return program.write(QStringLiteral("tavrolin.ini"), content);
    }
    // The values the window shows after its start before the settings are read.
    static ProgramSettings windowState() {
        ProgramSettings s;
        s.tempPolicy = 1;
        s.priority = 3;
        return s;
    }
    ProgramSettings load(const QString& path, bool full, ProgramSettings s = windowState()) {
        outcome = SettingsLoad(path, full, s, context);
        return s;
    }

    TempFolder program;
    TempFolder elsewhere;
    SettingsContext context;
    SettingsLoadOutcome outcome;
};

// The settings as the file holds them (every key, see the key-order test).
QByteArray Written(const ProgramSettings& settings) {
    IniFile file;
    SettingsWrite(file, true, settings);
    return file.toBytes();
}

}  // namespace

TEST_F(SettingsTest, FirstStartWithoutFileGivesTheDefaults) {
    const ProgramSettings s = load(inProgram(QStringLiteral("tavrolin.ini")), true);
    EXPECT_EQ(s.posLinks, 512 - 282);  // halves rounded towards zero
    EXPECT_EQ(s.posOben, 384 - 196);
    EXPECT_TRUE(s.ripDisc && s.variant0 && s.playMenuFirst);
    EXPECT_EQ(s.volume, 700);
    EXPECT_EQ(s.chapterInterval, QStringLiteral("10"));
    EXPECT_EQ(s.label, QStringLiteral("Meine_DVD"));
    EXPECT_EQ(s.priority, 2) << "not what the window showed";
    EXPECT_EQ(s.tempPolicy, 0);
    EXPECT_EQ(s.gaugeFore, QStringLiteral("clGradientActiveCaption"));
    // No "Arbeit" folder: the program folder is the working folder; the DVD folder is created.
    const QString p = program.path();
    EXPECT_EQ((QStringList{s.work, s.isoPath, s.images, s.ripRoot, s.dvdRoot}),
              (QStringList{p, p + "/Meine_DVD.iso", p + "/Arbeit", p, p + "/Dvd"}));
    EXPECT_TRUE(QFileInfo(s.dvdRoot).isDir());
    // Neither menu files nor tools exist.
    EXPECT_EQ(s.menu1, QString());
    EXPECT_EQ(s.tools[Tool::mpgtx], QString());
    EXPECT_EQ(s.tools[Tool::ImgTool], NotFoundMarker());
    ASSERT_TRUE(outcome.tools);
    EXPECT_FALSE(outcome.tools->rip || outcome.tools->anyBurner());
}

TEST_F(SettingsTest, FirstStartUsesTheProgramsOwnFoldersAndMenusWhenTheyExist) {
    const QString p = program.path();
    QDir(p).mkpath(QStringLiteral("Arbeit"));
    QDir(p).mkpath(QStringLiteral("Ripp"));
    for (const char* menu : {"menue/dummymenu.vob", "menue/menu01sub.vob", "menue/menu02sub.vob"})
        program.write(QLatin1String(menu), "vob");
    const ProgramSettings s = load(inProgram(QStringLiteral("tavrolin.ini")), true);
    EXPECT_EQ(
        (QStringList{s.work, s.isoPath, s.ripRoot, s.menu1, s.menu2, s.menu3}),
        (QStringList{p + "/Arbeit", p + "/Arbeit/Meine_DVD.iso", p + "/Ripp", p + "/menue/dummymenu.vob",
                     p + "/menue/menu01sub.vob", p + "/menue/menu02sub.vob"}));
}

TEST_F(SettingsTest, SavedSettingsLoadBackUnchanged) {
    ProgramSettings s;
    s.posLinks = -20;
    s.posOben = 5000;
    s.ripImage = s.ripAddToList = s.onePgcPerFile = s.variant2 = s.burn = s.image = s.split = s.imgTool =
        true;
    s.erase = s.shutdown = s.eject = s.burnLog = true;
    s.singleStep = s.ownProjectName = s.editScript = s.hideToolPaths = true;
    s.ripDisc = s.variant0 = s.playMenuFirst = s.decrypter = false;
    s.volume = 123;
    s.chapterInterval = QStringLiteral("7");
    s.chapterCount = QStringLiteral("");
    s.menu1 = elsewhere.write(QStringLiteral("menüs/eins.vob"), "v");
    s.menu2 = elsewhere.write(QStringLiteral("menüs/zwei=2.vob"), "v");
    s.menu3 = elsewhere.write(QStringLiteral("menüs/drei.vob"), "v");
    s.label = QStringLiteral("Urlaub_2024");
    s.burner = 1;
    s.speed = 6;
    for (int t = 0; t < kToolCount; ++t)
        s.tools[Tool(t)] = elsewhere.executable(QStringLiteral("t/") + ToolFileName(Tool(t)));
    s.tempPolicy = 2;
    s.priority = 4;
    s.gaugeFore = QStringLiteral("clRed");
    s.gaugeBack = QStringLiteral("$00123456");
    s.svcd = folder(QStringLiteral("Quellen"));
    s.images = QStringLiteral("/gibt/es/nicht");
    s.work = folder(QStringLiteral("Arbeit Ordner"));
    s.dvdRoot = folder(QStringLiteral("Ziel/DVD"));
    s.ripRoot = folder(QStringLiteral("Ripp"));
    s.projects = folder(QStringLiteral("Projekte"));

    const QString path = inProgram(QStringLiteral("tavrolin.ini"));
    ASSERT_TRUE(SettingsSave(path, true, s));
    const ProgramSettings loaded = load(path, true);
    EXPECT_EQ(loaded.isoPath, s.work + QStringLiteral("/Urlaub_2024.iso"));
    s.isoPath = loaded.isoPath;  // ImgDatei and Recover are written, never read
    s.recover = loaded.recover;
    EXPECT_EQ(Written(loaded), Written(s));
}

TEST_F(SettingsTest, WrittenFileHasTheSectionsAndKeysInTableOrder) {
    ProgramSettings s;
    s.burner = -1;  // nothing selected
    s.recover = 3;
    s.isoPath = QStringLiteral("/x/Meine_DVD.iso");
    const QString path = inProgram(QStringLiteral("neu.ini"));
    ASSERT_TRUE(SettingsSave(path, true, s));
    const IniFile ini(path);
    EXPECT_EQ(ini.sections(), QStringList({"Version", "Fenster", "SVCDrip", "Kapitel", "Author", "ImageDVD",
                                           "Allgemein", "Pfade"}));
    EXPECT_EQ(ini.keys(QStringLiteral("Author")), QStringList({"PGC", "Variante0", "Variante1", "Variante2",
                                                               "VorMenu", "Menü1", "Menü2", "Menü3"}));
    EXPECT_EQ(ini.keys(QStringLiteral("ImageDVD")),
              QStringList({"Brennen", "Image", "Split", "Decrypter", "ImgTool", "Titel", "Brenner", "Speed",
                           "Löschen", "Beenden", "Auswerfen", "Logdatei", "ImgDatei"}));
    EXPECT_EQ(ini.keys(QStringLiteral("Allgemein")),
              QStringList({"lkVCDxRip", "mpgtx", "jrDMUX", "BeSweet", "MPlex", "DVDauthor", "mkisofs",
                           "Decrypter", "ImgTool", "Einzel", "AutoName", "XML Edit", "Tools", "Temporär",
                           "Recover", "Process", "GaugeFore", "GaugeBack"}));
    EXPECT_EQ(ini.keys(QStringLiteral("Pfade")),
              QStringList({"SVCD", "Images", "Arbeit", "DVDroot", "RIProot", "Projekte"}));
    EXPECT_EQ(ini.keys(QStringLiteral("Kapitel")), QStringList({"Lautstärke", "Abstand", "Anzahl"}));
    EXPECT_EQ(ini.value(QStringLiteral("ImageDVD"), QStringLiteral("Brenner")), QStringLiteral("-1"));
    EXPECT_EQ(ini.value(QStringLiteral("ImageDVD"), QStringLiteral("ImgDatei")), s.isoPath);
    EXPECT_EQ(ini.value(QStringLiteral("Allgemein"), QStringLiteral("Recover")), QStringLiteral("3"));
}

TEST_F(SettingsTest, ProjectFilesGetNoGeneralOptionsAndKeepTheirOtherSections) {
    const QString path = elsewhere.write(QStringLiteral("a.tvpr"),
                                         "[Quelle1]\r\nDatei=/v/a.mpg\r\n[Pfade]\r\nArbeit=/alt\r\n");
    ProgramSettings s;
    s.posLinks = 33;
    s.work = QStringLiteral("/neu");
    ASSERT_TRUE(SettingsSave(path, false, s));
    const IniFile ini(path);
    EXPECT_EQ(ini.sections(), QStringList({"Quelle1", "Pfade", "Version", "Fenster", "SVCDrip", "Kapitel",
                                           "Author", "ImageDVD"}));
    EXPECT_EQ(ini.value(QStringLiteral("Quelle1"), QStringLiteral("Datei")), QStringLiteral("/v/a.mpg"));
    EXPECT_EQ(ini.value(QStringLiteral("Pfade"), QStringLiteral("Arbeit")), QStringLiteral("/neu"));
    EXPECT_EQ(ini.value(QStringLiteral("Fenster"), QStringLiteral("PosLinks")), QStringLiteral("33"));
    EXPECT_FALSE(ini.hasSection(QStringLiteral("Allgemein")));
}

TEST_F(SettingsTest, LoadingAProjectLeavesPositionToolsAndAbsentGeneralOptionsAlone) {
    ProgramSettings current = windowState();
    current.posLinks = 10;
    current.tools[Tool::mpgtx] = QStringLiteral("/eigener/mpgtx");
    current.singleStep = true;
    current.hideToolPaths = true;
    current.priority = 4;
    const QString path = elsewhere.write(QStringLiteral("p.tvpr"),
                                         "[Fenster]\nPosLinks=500\nPosOben=600\n"
                                         "[Kapitel]\nLautst\xC3\xA4rke=300\n"
                                         "[Allgemein]\nmpgtx=/anderer/mpgtx\nEinzel=0\n");
    const ProgramSettings s = load(path, false, current);
    EXPECT_EQ(s.posLinks, 10);
    EXPECT_EQ(s.tools[Tool::mpgtx], QStringLiteral("/eigener/mpgtx")) << "no tool search for a project";
    EXPECT_FALSE(outcome.tools);
    EXPECT_EQ(s.volume, 300);
    // A general option is read only when the file holds it.
    EXPECT_FALSE(s.singleStep);
    EXPECT_TRUE(s.hideToolPaths);
    EXPECT_EQ(s.priority, 4);
    // Settings that a project does carry fall back to their defaults.
    EXPECT_TRUE(s.variant0);
    EXPECT_EQ(s.label, QStringLiteral("Meine_DVD"));
}

TEST_F(SettingsTest, MalformedValuesGiveTheDefaults) {
    const QString path = settingsFile(
        "[Fenster]\nPosLinks=12x\nPosOben=$10\n"
        "[Kapitel]\nLautst\xC3\xA4rke=laut\n"
        "[Author]\nVariante0=ja\nVorMenu=0x0\n"
        "[ImageDVD]\nBrenner=5\nSpeed=-1\nTitel=\n"
        "[Allgemein]\nTempor\xC3\xA4r=3\nProcess=$FF\nGaugeFore=lila\nGaugeBack=$000000FF\nEinzel=2\n"
        "[Pfade]\nArbeit=relativ/ordner\nRIProot=/gibt/es/nicht\nProjekte=\n");
    const ProgramSettings s = load(path, true);
    EXPECT_EQ((QList<int>{s.posLinks, s.posOben, s.volume, s.burner, s.speed, s.tempPolicy, s.priority}),
              (QList<int>{512 - 282, 16, 700, 0, 0, 0, 2}))
        << "a burner number beyond the list selects the first burner";
    EXPECT_TRUE(s.variant0 && !s.playMenuFirst && s.singleStep);
    EXPECT_EQ(s.label, QStringLiteral("Meine_DVD"));
    EXPECT_EQ(s.gaugeFore, QStringLiteral("clGradientActiveCaption"));
    EXPECT_EQ(s.gaugeBack, QStringLiteral("clRed"));
    // A relative folder never counts.
    EXPECT_EQ((QStringList{s.work, s.ripRoot, s.projects}), QStringList(3, program.path()));
    // A label is cleaned as the label edit cleans it; the image stays in the working folder.
    const ProgramSettings p = load(settingsFile("[ImageDVD]\nTitel=../../Opfer x\n"), false);
    EXPECT_EQ(p.label, QStringLiteral("....Opfer_x"));
    EXPECT_EQ(p.isoPath, p.work + QStringLiteral("/....Opfer_x.iso"));
}

TEST_F(SettingsTest, GarbageFilesGiveTheDefaults) {
    QRandomGenerator random(4711);
    QByteArray garbage(20000, Qt::Uninitialized);
    for (char& c : garbage)
        c = static_cast<char>(random.bounded(256));
    for (const QByteArray& content : {garbage, QByteArray("[Kapitel]\n\0\0\0=\0\n[Pfade\nArbeit", 30),
                                      QByteArray("[[[]]]=\n=\n[Fenster]]\nPosLinks==7\n")}) {
        const ProgramSettings s = load(settingsFile(content), true);
        EXPECT_EQ(s.volume, 700);
        EXPECT_EQ(s.posLinks, 512 - 282);
        EXPECT_EQ(s.work, program.path());
        EXPECT_EQ(s.dvdRoot, program.path() + QStringLiteral("/Dvd"));
    }
}

TEST_F(SettingsTest, TrailingSeparatorsAreRemoved) {
    const QString work = folder(QStringLiteral("Arbeit"));
    const QString dvd = folder(QStringLiteral("Ziel/DVD"));
    const QString path =
        settingsFile(QStringLiteral("[Pfade]\nArbeit=%1/\nDVDroot=%2/\nSVCD=%3/\nImages=%3/\n")
                         .arg(work, dvd, program.path())
                         .toUtf8());
    const ProgramSettings s = load(path, true);
    EXPECT_EQ((QStringList{s.work, s.dvdRoot, s.svcd, s.isoPath}),
              (QStringList{work, dvd, program.path(), work + "/Meine_DVD.iso"}));
    EXPECT_EQ(s.images, program.path() + QLatin1Char('/')) << "the image folder is kept as read";
}

TEST_F(SettingsTest, DvdFolderIsKeptApartFromTheOtherFolders) {
    const QString work = folder(QStringLiteral("Work"));
    folder(QStringLiteral("Work/sub"));
    const auto dvdAfterLoad = [&](const QString& dvd, const QString& extra = QString()) {
        const QString path =
            settingsFile(QStringLiteral("[Pfade]\nArbeit=%1\nDVDroot=%2\n%3").arg(work, dvd, extra).toUtf8());
        return load(path, true).dvdRoot;
    };
    // Equal to the working folder, or above it: the working folder + "/DVD".
    EXPECT_EQ(dvdAfterLoad(work), work + QStringLiteral("/DVD"));
    EXPECT_EQ(dvdAfterLoad(elsewhere.path()), work + QStringLiteral("/DVD"));
    // Above the rip or source folder, or the program folder itself.
    EXPECT_EQ(dvdAfterLoad(elsewhere.file(QStringLiteral("R")),
                           QStringLiteral("RIProot=%1\n").arg(folder(QStringLiteral("R/x")))),
              work + QStringLiteral("/DVD"));
    const QString allInWork = QStringLiteral("SVCD=%1\nRIProot=%1\nProjekte=%1\n").arg(work);
    EXPECT_EQ(dvdAfterLoad(program.path(), allInWork), work + QStringLiteral("/DVD"));
    EXPECT_EQ(dvdAfterLoad(program.path() + QStringLiteral("/Dvd"), allInWork),
              program.path() + QStringLiteral("/Dvd"));
    // Beside them: kept.
    const QString apart = folder(QStringLiteral("Ziel"));
    EXPECT_EQ(dvdAfterLoad(apart + QStringLiteral("/DVD")), apart + QStringLiteral("/DVD"));
    EXPECT_TRUE(QFileInfo(apart + QStringLiteral("/DVD")).isDir());
    EXPECT_TRUE(QFileInfo(work + QStringLiteral("/DVD")).isDir());
}

TEST_F(SettingsTest, DvdFolderWithoutParentMovesToTheProgramFolder) {
    QDir().mkpath(program.file(QStringLiteral("Arbeit")));  // an empty one is in no other folder
    for (const QString& dvd : {elsewhere.file("fehlt/DVD"), QString()}) {
        const QString path = settingsFile(QStringLiteral("[Pfade]\nDVDroot=%1\n").arg(dvd).toUtf8());
        const ProgramSettings s = load(path, true);
        EXPECT_EQ(s.dvdRoot, program.path() + QStringLiteral("/DVD")) << dvd.toStdString();
        EXPECT_TRUE(QFileInfo(s.dvdRoot).isDir());
    }
    EXPECT_FALSE(QFileInfo::exists(elsewhere.file("fehlt")));
}

TEST_F(SettingsTest, ProgramInTheRootGetsNoDoubledSeparators) {
    context.programDir = QStringLiteral("/");
    // A DVD folder apart from the root keeps the test from creating one there.
    const QString dvd = folder(QStringLiteral("DVD"));
    const QString path = settingsFile(QStringLiteral("[Pfade]\nDVDroot=%1\n").arg(dvd).toUtf8());
    const ProgramSettings s = load(path, false);
    EXPECT_EQ((QStringList{s.images, s.svcd, s.work, s.isoPath, s.dvdRoot}),
              (QStringList{"/Arbeit", "/", "/", "/Meine_DVD.iso", dvd}));
}

TEST_F(SettingsTest, MissingMenuFilesFallBackToTheDefaultsThenToNothing) {
    const QString own = elsewhere.write(QStringLiteral("mein.vob"), "v");
    program.write(QStringLiteral("menue/menu01sub.vob"), "v");
    const QString path =
        settingsFile(QStringLiteral("[Author]\nMen\u00fc1=%1\nMen\u00fc2=/weg/a.vob\nMen\u00fc3=/weg/b.vob\n")
                         .arg(own)
                         .toUtf8());
    const ProgramSettings s = load(path, false);
    EXPECT_EQ((QStringList{s.menu1, s.menu2, s.menu3}),
              (QStringList{own, program.path() + "/menue/menu01sub.vob", ""}));
}
