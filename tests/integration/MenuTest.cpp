// The three menu files made at build time: PAL DVD menu streams whose buttons
// carry the names the authoring script uses.

#include "integration/ToolProcess.h"
#include "support/TestMedia.h"

namespace {

QString Menu(const QString& name) {
    return QStringLiteral(TAV_PROGRAM_DIR "/menue/") + name;
}

// The codec names of all streams of a file.
QStringList Codecs(const QMap<QString, QString>& probe) {
    QStringList codecs;
    for (int i = 0; probe.contains(QStringLiteral("streams_stream_%1_codec_name").arg(i)); ++i)
        codecs << probe.value(QStringLiteral("streams_stream_%1_codec_name").arg(i));
    return codecs;
}

// An authoring script with the given menu pgcs and one title.
QString Script(const QString& dvd, const QString& menuPgcs, const QString& title) {
    return QStringLiteral(
               "<dvdauthor dest =\"%1\">\n"
               " <vmgm><menus lang=\"de\"><video format=\"pal\" aspect=\"4:3\" />\n%2 </menus></vmgm>\n"
               " <titleset><titles><video format=\"pal\" aspect=\"4:3\" resolution=\"720x576\" />\n"
               "  <audio format=\"mp2\" lang=\"DE\" />\n"
               "  <pgc><pre>g0=1;</pre><vob file=\"%3\" /><post>call vmgm menu;</post></pgc>\n"
               " </titles></titleset>\n"
               "</dvdauthor>\n")
        .arg(dvd, menuPgcs, title);
}

// The main and sub menu as the authoring step writes them; the first button's name is given.
QString MainAndSubMenu(const QString& firstButton) {
    return QStringLiteral(
               "  <pgc entry=\"title\"><pre></pre>\n"
               "   <button name=\"%1\">g0=0;jump title 1; </button>\n"
               "   <button name=\"DANKE\">jump vmgm menu 2; </button>\n"
               "   <vob file=\"%2\" pause=\"inf\"/></pgc>\n"
               "  <pgc><button name=\"menu\">g0=0;jump vmgm menu 1; </button>\n"
               "   <vob file=\"%3\" pause=\"inf\"/></pgc>\n")
        .arg(firstButton, Menu("menu01sub.vob"), Menu("menu02sub.vob"));
}

QString DummyMenu() {
    return QStringLiteral(
               "  <pgc entry=\"title\"><pre>jump title 1;</pre><vob file=\"%1\" pause=\"inf\"/></pgc>\n")
        .arg(Menu("dummymenu.vob"));
}

class MenuTest : public ::testing::Test {
  protected:
    ToolProcess::Result author(const QString& script) const {
        const QString path = temp_.path() + QStringLiteral("/tavrolin.xml");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(script.toUtf8());
        file.close();
        return ToolProcess::Run(QStringLiteral("dvdauthor"), {"-x", path}, {"VIDEO_FORMAT=PAL"});
    }
    QString dvd() const { return temp_.path() + QStringLiteral("/DVD"); }

    QTemporaryDir temp_;
};

TEST_F(MenuTest, AreSmallPalMpeg2ProgramStreams) {
    for (const QString name : {"dummymenu.vob", "menu01sub.vob", "menu02sub.vob"}) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(QFileInfo::exists(Menu(name)));
        EXPECT_LT(QFileInfo(Menu(name)).size(), 200 * 1024);
        const auto probe = ToolProcess::Probe(Menu(name));
        EXPECT_EQ(probe.value("format_format_name"), "mpeg");
        const QStringList codecs = Codecs(probe);
        const int video = codecs.indexOf("mpeg2video");
        ASSERT_GE(video, 0) << codecs.join(' ').toStdString();
        EXPECT_EQ(probe.value(QStringLiteral("streams_stream_%1_width").arg(video)), "720");
        EXPECT_EQ(probe.value(QStringLiteral("streams_stream_%1_height").arg(video)), "576");
        const int audio = codecs.indexOf("mp2");
        ASSERT_GE(audio, 0) << codecs.join(' ').toStdString();
        EXPECT_EQ(probe.value(QStringLiteral("streams_stream_%1_sample_rate").arg(audio)), "48000");
        EXPECT_EQ(codecs.contains("dvd_subtitle"), name != "dummymenu.vob")
            << "buttons only on the two menus";
    }
}

TEST_F(MenuTest, DvdauthorTakesTheDummyMenuAndBothMenusWithButtonsShowDankeAndMenu) {
    for (const QString& menus : {DummyMenu(), MainAndSubMenu("SHOW")}) {
        QDir(dvd()).removeRecursively();
        const auto run = author(Script(dvd(), menus, TestMedia::Dvd()));
        ASSERT_EQ(run.exitCode, 0) << run.output.constData();
        EXPECT_GT(QFileInfo(dvd() + "/VIDEO_TS/VIDEO_TS.VOB").size(), 0);
    }
}

TEST_F(MenuTest, DvdauthorRefusesAButtonNameTheMenuLacks) {
    const auto run = author(Script(dvd(), MainAndSubMenu("PLAY"), TestMedia::Dvd()));
    EXPECT_NE(run.exitCode, 0) << "the button SHOW is in the menu file, so PLAY must be missing";
}

}  // namespace
