#include <utility>

#include "persistence/IniFile.h"
#include "support/TestSupport.h"

TEST(IniFile, NamesAreCaseInsensitiveAndKeepTheirFirstWrittenOrderAndValuesOneLine) {
    IniFile ini;
    ini.setValue("Allgemein", "Zeta", "1");
    ini.setValue("Pfade", "Arbeit", "/a");
    ini.setValue("allgemein", "Alpha", "2");
    ini.setValue("ALLGEMEIN", "zeta", "3");
    ini.setValue("Kapitel", "Lautstärke", "700");

    EXPECT_EQ(ini.toBytes(), QByteArray("[Allgemein]\r\nZeta=3\r\nAlpha=2\r\n\r\n[Pfade]\r\nArbeit=/a\r\n\r\n"
                                        "[Kapitel]\r\nLautst\xC3\xA4rke=700\r\n"));
    ini.removeSection("pfade");  // the sections after it are still found
    EXPECT_TRUE(!ini.hasSection("Pfade") && ini.value("kapitel", "LAUTSTÄRKE") == "700");
    // Values are read up to 2047 characters and stay on one line.
    ini.setValue("A", "lang", QString(3000, 'x'));
    EXPECT_EQ(ini.value("A", "lang").size(), 2047);
    ini.setValue("A", "zeilen", "a\r\nb\nc");
    IniFile reread;
    reread.parse(ini.toBytes());
    EXPECT_EQ(reread.value("A", "zeilen"), "a  b c");
}

TEST(IniFile, ReadsLfTheEncodingsAndTheFirstOfDuplicateKeysAndSections) {
    IniFile ini;
    ini.parse(
        "vorher=ignoriert\n[Kapitel]\n  Abstand =  12 \n; Kommentar=nein\nAbstand=13\nkaputte Zeile\n"
        "Pfad=C:\\a=b\n[Author]\nMen\xC3\xBC"
        "1=/m/\xC3\xA4.vob\n[kapitel]\nAnzahl=5\n");
    EXPECT_EQ(ini.toBytes(), QByteArray("[Kapitel]\r\nAbstand=12\r\nPfad=C:\\a=b\r\n\r\n"
                                        "[Author]\r\nMen\xC3\xBC"
                                        "1=/m/\xC3\xA4.vob\r\n"));
    // Windows-1252 when the bytes are no UTF-8; UTF-8 with a byte-order mark.
    ini.parse("[Kapitel]\r\nLautst\xE4rke=700\r\nTitel=\x80 \x93x\x94\r\n");
    EXPECT_EQ((QStringList{ini.value("Kapitel", "Lautstärke"), ini.value("Kapitel", "Titel")}),
              (QStringList{"700", "€ “x”"}));
    ini.parse("\xEF\xBB\xBF[A]\nb=\xC3\xBC\n");
    EXPECT_EQ(ini.value("A", "b"), "ü");
}

TEST(IniFile, IntegersBooleansAndTheirInvalidForms) {
    IniFile ini;
    ini.parse(
        "[N]\ndez= -42 \nhex1=$1F\nhex2=0x1f\nall=$FFFFFFFF\nplus=+7\n"
        "mixed=12a\nempty=\ndollar=$\nhuge=99999999999\nbighex=$100000000\nfloat=1.5\n"
        "[B]\none=1\nzero=0\ntwo=2\nword=yes\n");
    const QString n = "N", b = "B";
    const std::pair<const char*, int> valid[] = {
        {"dez", -42}, {"hex1", 31}, {"hex2", 31}, {"all", -1}, {"plus", 7}};
    for (const auto& [key, value] : valid)
        EXPECT_EQ(ini.intValue(n, QLatin1String(key), 0), value) << key;
    for (const char* invalid : {"mixed", "empty", "dollar", "huge", "bighex", "float", "missing"})
        EXPECT_EQ(ini.intValue(n, QLatin1String(invalid), 99), 99) << invalid;
    EXPECT_TRUE(ini.boolValue(b, "two", false) && !ini.boolValue(b, "zero", true) &&
                ini.boolValue(b, "word", true) && !ini.boolValue(b, "word", false));
}

// A named colour and the "$" form are the gauge tests' matter.
TEST(IniFile, ColoursByNameOrNumber) {
    EXPECT_EQ((QList<quint32>{*ParseColour("CLGRADIENTACTIVECAPTION"), *ParseColour("0x00123456"),
                              *ParseColour("255")}),
              (QList<quint32>{0xFF00001Bu, 0x00123456u, 0x000000FFu}));
    EXPECT_FALSE(ParseColour("clGreenish") || ParseColour(QString()));
    EXPECT_EQ(ColourText(0x00ABCDEFu), "$00ABCDEF");
}

// Saving keeps the other sections and replaces the file whole, without a temporary
// file left; a folder in its place can be neither read nor written (a missing file is
// the window's first start).
TEST(IniFile, SaveReplacesTheFileWholeAndBlockedFiles) {
    TempFolder folder;
    const QString path = folder.write(
        "projekt.tvpr", "[Quelle1]\nDatei=/a.mpg\n[Kapitel]\nAbstand=5\n[Quelle2]\nDatei=/b.mpg\n");
    IniFile ini(path);
    ini.setValue("KAPITEL", "Abstand", "7");
    ini.setValue("Neu", "x", "1");
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(FileBytes(path), QByteArray("[Quelle1]\r\nDatei=/a.mpg\r\n\r\n[Kapitel]\r\nAbstand=7\r\n\r\n"
                                          "[Quelle2]\r\nDatei=/b.mpg\r\n\r\n[Neu]\r\nx=1\r\n"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"projekt.tvpr"}));
    ASSERT_TRUE(QDir().mkpath(folder.file("ordner.ini")));
    IniFile blocked;
    EXPECT_FALSE(blocked.load(folder.file("ordner.ini")));
    blocked.setValue("A", "b", "c");
    EXPECT_FALSE(blocked.save() || IniFile().save());
}
