#include <utility>

#include "persistence/IniFile.h"
#include "support/TestSupport.h"

TEST(IniFile, NamesAreCaseInsensitiveAndKeepTheirFirstWrittenOrder) {
    IniFile ini;
    ini.setValue(QStringLiteral("Allgemein"), QStringLiteral("Zeta"), QStringLiteral("1"));
    ini.setValue(QStringLiteral("Pfade"), QStringLiteral("Arbeit"), QStringLiteral("/a"));
    ini.setValue(QStringLiteral("allgemein"), QStringLiteral("Alpha"), QStringLiteral("2"));
    ini.setValue(QStringLiteral("ALLGEMEIN"), QStringLiteral("zeta"), QStringLiteral("3"));
    ini.setValue(QStringLiteral("Kapitel"), QStringLiteral("Lautstärke"), QStringLiteral("700"));

    EXPECT_EQ(ini.sections(), QStringList({"Allgemein", "Pfade", "Kapitel"}));
    EXPECT_EQ(ini.keys(QStringLiteral("aLLgemein")), QStringList({"Zeta", "Alpha"}));
    EXPECT_EQ(ini.value(QStringLiteral("allgemein"), QStringLiteral("ZETA")), QStringLiteral("3"));
    EXPECT_EQ(ini.value(QStringLiteral("kapitel"), QStringLiteral("LAUTSTÄRKE")), QStringLiteral("700"));
    EXPECT_EQ(ini.value(QStringLiteral("Kapitel"), QStringLiteral("fehlt"), QStringLiteral("d")),
              QStringLiteral("d"));
    EXPECT_EQ(ini.toBytes(), QByteArray("[Allgemein]\r\nZeta=3\r\nAlpha=2\r\n\r\n[Pfade]\r\nArbeit=/a\r\n\r\n"
                                        "[Kapitel]\r\nLautst\xC3\xA4rke=700\r\n"));

    ini.removeKey(QStringLiteral("ALLGEMEIN"), QStringLiteral("zeta"));
    ini.removeSection(QStringLiteral("pfade"));
    EXPECT_FALSE(ini.hasKey(QStringLiteral("Allgemein"), QStringLiteral("Zeta")));
    EXPECT_TRUE(ini.hasKey(QStringLiteral("Allgemein"), QStringLiteral("alpha")));
    EXPECT_FALSE(ini.hasSection(QStringLiteral("Pfade")));
    EXPECT_EQ(ini.sections(), QStringList({"Allgemein", "Kapitel"}));
}

TEST(IniFile, ReadsLfUtf8AndTheFirstOfDuplicateKeysAndSections) {
    IniFile ini;
    ini.parse(
        "vorher=ignoriert\n"
        "[Kapitel]\n"
        "  Abstand =  12 \n"
        "; Kommentar=nein\n"
        "Abstand=13\n"
        "kaputte Zeile\n"
        "Pfad=C:\\a=b\n"
        "[Author]\n"
        "Men\xC3\xBC"
        "1=/m/\xC3\xA4.vob\n"
        "[kapitel]\n"
        "Anzahl=5\n");
    EXPECT_EQ(ini.sections(), QStringList({"Kapitel", "Author"}));
    EXPECT_EQ(ini.keys(QStringLiteral("Kapitel")), QStringList({"Abstand", "Pfad"}));
    EXPECT_EQ(ini.value(QStringLiteral("Kapitel"), QStringLiteral("Abstand")), QStringLiteral("12"));
    EXPECT_EQ(ini.value(QStringLiteral("Kapitel"), QStringLiteral("Pfad")), QStringLiteral("C:\\a=b"));
    EXPECT_FALSE(ini.hasKey(QStringLiteral("Kapitel"), QStringLiteral("Anzahl")));
    EXPECT_EQ(ini.value(QStringLiteral("Author"), QStringLiteral("menü1")), QStringLiteral("/m/ä.vob"));
}

TEST(IniFile, ReadsWindows1252WhenTheBytesAreNoUtf8) {
    IniFile ini;
    ini.parse("[Kapitel]\r\nLautst\xE4rke=700\r\nTitel=\x80 \x93x\x94\r\n");
    EXPECT_EQ(ini.value(QStringLiteral("Kapitel"), QStringLiteral("Lautstärke")), QStringLiteral("700"));
    EXPECT_EQ(ini.value(QStringLiteral("Kapitel"), QStringLiteral("Titel")), QStringLiteral("€ “x”"));

    ini.parse("\xEF\xBB\xBF[A]\nb=\xC3\xBC\n");  // with a byte-order mark
    EXPECT_EQ(ini.value(QStringLiteral("A"), QStringLiteral("b")), QStringLiteral("ü"));
}

TEST(IniFile, ValuesAreReadUpTo2047CharactersAndStayOnOneLine) {
    IniFile ini;
    ini.setValue(QStringLiteral("A"), QStringLiteral("lang"), QString(3000, QLatin1Char('x')));
    EXPECT_EQ(ini.value(QStringLiteral("A"), QStringLiteral("lang")).size(), 2047);
    ini.setValue(QStringLiteral("A"), QStringLiteral("zeilen"), QStringLiteral("a\r\nb\nc"));
    IniFile reread;
    reread.parse(ini.toBytes());
    EXPECT_EQ(reread.keys(QStringLiteral("A")), QStringList({"lang", "zeilen"}));
    EXPECT_EQ(reread.value(QStringLiteral("A"), QStringLiteral("zeilen")), QStringLiteral("a  b c"));
}

TEST(IniFile, IntegersBooleansAndTheirInvalidForms) {
    IniFile ini;
    ini.parse(
        "[N]\ndez= -42 \nhex1=$1F\nhex2=0x1f\nall=$FFFFFFFF\nplus=+7\n"
        "mixed=12a\nempty=\ndollar=$\nhuge=99999999999\nbighex=$100000000\nfloat=1.5\n"
        "[B]\none=1\nzero=0\ntwo=2\nword=yes\n");
    const QString n = QStringLiteral("N"), b = QStringLiteral("B");
    const std::pair<const char*, int> valid[] = {
        {"dez", -42}, {"hex1", 31}, {"hex2", 31}, {"all", -1}, {"plus", 7}};
    for (const auto& [key, value] : valid)
        EXPECT_EQ(ini.intValue(n, QLatin1String(key), 0), value) << key;
    for (const char* invalid : {"mixed", "empty", "dollar", "huge", "bighex", "float", "missing"})
        EXPECT_EQ(ini.intValue(n, QLatin1String(invalid), 99), 99) << invalid;
    EXPECT_TRUE(ini.boolValue(b, QStringLiteral("two"), false) &&
                !ini.boolValue(b, QStringLiteral("zero"), true));
    EXPECT_TRUE(ini.boolValue(b, QStringLiteral("word"), true));
    EXPECT_FALSE(ini.boolValue(b, QStringLiteral("word"), false));
}

TEST(IniFile, ColoursByNameOrNumber) {
    EXPECT_EQ(ParseColour(QStringLiteral("clBtnFace")), 0xFF00000Fu);
    EXPECT_EQ(ParseColour(QStringLiteral("CLGRADIENTACTIVECAPTION")), 0xFF00001Bu);
    EXPECT_EQ(ParseColour(QStringLiteral("$000000FF")), 0x000000FFu);
    EXPECT_EQ(ParseColour(QStringLiteral("0x00123456")), 0x00123456u);
    EXPECT_EQ(ParseColour(QStringLiteral("255")), 0x000000FFu);
    EXPECT_FALSE(ParseColour(QStringLiteral("clGreenish")));
    EXPECT_FALSE(ParseColour(QString()));

    EXPECT_EQ(ColourText(0x000000FFu), QStringLiteral("clRed"));
    EXPECT_EQ(ColourText(0x00ABCDEFu), QStringLiteral("$00ABCDEF"));

    IniFile ini;
    ini.setValue(QStringLiteral("A"), QStringLiteral("c"), QStringLiteral("lila"));
    EXPECT_EQ(ini.colourValue(QStringLiteral("A"), QStringLiteral("c"), 7), 7u);
}

TEST(IniFile, SaveKeepsOtherSectionsAndReplacesTheFileWhole) {
    TempFolder folder;
    const QString path =
        folder.write(QStringLiteral("projekt.tvpr"),
                     "[Quelle1]\nDatei=/a.mpg\n[Kapitel]\nAbstand=5\n[Quelle2]\nDatei=/b.mpg\n");
    IniFile ini(path);
    ini.setValue(QStringLiteral("KAPITEL"), QStringLiteral("Abstand"), QStringLiteral("7"));
    ini.setValue(QStringLiteral("Neu"), QStringLiteral("x"), QStringLiteral("1"));
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(FileBytes(path), QByteArray("[Quelle1]\r\nDatei=/a.mpg\r\n\r\n[Kapitel]\r\nAbstand=7\r\n\r\n"
                                          "[Quelle2]\r\nDatei=/b.mpg\r\n\r\n[Neu]\r\nx=1\r\n"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"projekt.tvpr"}))
        << "no temporary file is left behind";
}

TEST(IniFile, MissingUnreadableAndUnwritableFiles) {
    TempFolder folder;
    IniFile missing;
    EXPECT_TRUE(missing.load(folder.file(QStringLiteral("neu.ini"))));
    EXPECT_TRUE(missing.sections().isEmpty());
    missing.setValue(QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("c"));
    EXPECT_TRUE(missing.save());
    EXPECT_EQ(FileBytes(folder.file(QStringLiteral("neu.ini"))), QByteArray("[A]\r\nb=c\r\n"));

    // A folder where the file should be: neither readable nor writable.
    const QString folderPath = folder.file(QStringLiteral("ordner.ini"));
    ASSERT_TRUE(QDir().mkpath(folderPath));
    IniFile blocked;
    EXPECT_FALSE(blocked.load(folderPath));
    blocked.setValue(QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("c"));
    EXPECT_FALSE(blocked.save());

    IniFile noPath;
    EXPECT_FALSE(noPath.save());
}
