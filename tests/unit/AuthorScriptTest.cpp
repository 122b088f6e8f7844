#include "pipeline/AuthorScript.h"
#include "pipeline/WorkFiles.h"
#include "support/FakeRunContext.h"
#include "support/TestSupport.h"
#include "unit/Sources.h"

namespace {

class AuthorScriptTest : public ::testing::Test {
  protected:
    AuthorScriptTest() {
        ctx.values.work = dir.path();
        ctx.values.dvdRoot = dir.file("DVD");
        ctx.values.menu1 = dir.write("menue/dummymenu.vob", "x");
        ctx.values.menu2 = dir.write("menue/menu01sub.vob", "x");
        ctx.values.menu3 = dir.write("menue/menu02sub.vob", "x");
    }
    // Adds a source whose program stream exists in the working folder.
    MPEGInfo& add(quint8 vts) {
        const int i = ctx.table.append(dir.file(QStringLiteral("quelle%1.mpg").arg(ctx.table.count() + 1)));
        MPEGInfo& r = ctx.table[i] = Source(ctx.table[i].Datei);
        r.VTS = vts;
        dir.write(QStringLiteral("dvd-%1.mpg").arg(i), "x");
        return r;
    }
    QStringList build(bool expectOk = true) {
        QStringList lines;
        EXPECT_EQ(BuildAuthorScript(ctx, lines), expectOk);
        return lines;
    }
    QString mpg(int i) const { return dir.file(QStringLiteral("dvd-%1.mpg").arg(i)); }

    TempFolder dir;
    FakeRunContext ctx{dir.path()};
};

// The real authoring runs prove chapters, titles, audio formats and languages; the
// picture format and the navigation commands are seen only here.
TEST_F(AuthorScriptTest, WithoutMenuOneSource) {
    add(1).AspectRatio = "16:9";
    const QStringList expected{"<dvdauthor dest =\"" + dir.file("DVD") + "\">",
                               "   <vmgm>",
                               "      <menus lang=\"de\">",
                               "         <pgc entry=\"title\">",
                               "            <pre>",
                               "               jump title 1;",
                               "            </pre>",
                               "         </pgc>",
                               "      </menus>",
                               "   </vmgm>",
                               "<titleset>",
                               "   <titles>",
                               "      <video format=\"pal\" aspect=\"16:9\" resolution=\"480x576\" />",
                               "      <audio format=\"mp2\" lang=\"DE\" />",
                               "      <pgc>",
                               "         <pre>g0=1;</pre>",
                               "         <vob file=\"" + mpg(1) + "\" />",
                               "         <post>call vmgm menu;</post>",
                               "      </pgc>",
                               "   </titles>",
                               "</titleset>",
                               "</dvdauthor>"};
    EXPECT_EQ(build(), expected);
    EXPECT_EQ(ctx.lines(), QStringList{"Von:       " + mpg(1)});
}

TEST_F(AuthorScriptTest, MainMenuOnlyStillJumpsToTheFirstTitle) {
    add(1);
    add(2);
    ctx.values.variant0 = false;
    ctx.values.variant1 = true;
    const QStringList lines = build();
    // Back from title 1 the menu goes on with title 2; at the start it plays title 1.
    const int jumpBack = lines.indexOf("               if(g0==1) jump title 2;");
    EXPECT_GT(jumpBack, 0);
    EXPECT_EQ(lines.value(jumpBack + 1), "               jump title 1;");
    EXPECT_TRUE(lines.contains("            <vob file=\"" + ctx.values.menu1 + "\" pause=\"inf\"/>"));
    EXPECT_TRUE(lines.contains("         <video format=\"pal\" aspect=\"4:3\" />")) << "the menu's own video";
    EXPECT_TRUE(lines.contains("         <pre>g0=2;</pre>"));
}

TEST_F(AuthorScriptTest, MainAndSubMenuPlayedFirstHasNoJumpToTitleOne) {
    add(1);
    ctx.values.variant0 = false;
    ctx.values.variant2 = true;
    ctx.values.playMenuFirst = true;
    const QStringList expected{"            <pre>",
                               "            </pre>",
                               "            <button name=\"SHOW\">g0=0;jump title 1; </button>",
                               "            <button name=\"DANKE\">jump vmgm menu 2; </button>",
                               "            <vob file=\"" + ctx.values.menu2 + "\" pause=\"inf\"/>",
                               "         </pgc>",
                               "         <pgc>",
                               "            <button name=\"menu\">g0=0;jump vmgm menu 1; </button>",
                               "            <vob file=\"" + ctx.values.menu3 + "\" pause=\"inf\"/>",
                               "         </pgc>",
                               "      </menus>"};
    QStringList lines = build();
    EXPECT_EQ(lines.mid(5, expected.size()), expected);

    ctx.values.playMenuFirst = false;
    lines = build();
    EXPECT_EQ(lines[6], "               jump title 1;");
}

TEST_F(AuthorScriptTest, OnePgcPerFileNumbersTitlesBySource) {
    add(1);
    add(1);
    add(2);
    ctx.values.onePgcPerFile = true;
    const QStringList lines = build();
    EXPECT_TRUE(lines.contains("               if(g0==2) jump title 3;"));
    EXPECT_EQ(lines.count("      <pgc>"), 3);
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(lines.contains(QStringLiteral("         <pre>g0=%1;</pre>").arg(i)));
    EXPECT_EQ(ctx.lines(),
              (QStringList{"Quelle(n): " + mpg(1), "           " + mpg(2), "           " + mpg(3)}));
}

TEST_F(AuthorScriptTest, MissingFilesStopTheScript) {
    add(1);
    ctx.values.variant0 = false;
    ctx.values.variant2 = true;
    ctx.values.menu3 = dir.file("fehlt.vob");
    build(false);
    EXPECT_EQ(ctx.lines().last(), "Fehler:    Das Menü " + dir.file("fehlt.vob") + " wurde nicht gefunden.");

    ctx.memory.clear();
    ctx.values.variant2 = false;
    ctx.values.variant0 = true;
    QFile::remove(mpg(1));
    build(false);
    EXPECT_EQ(ctx.lines(), (QStringList{"Fehler:    Die Quelle " + mpg(1) + " wurde nicht gefunden.",
                                        "Fehler:    Beim Erstellen des VTS 1 ist ein Fehler aufgetreten."}));
}

}  // namespace
