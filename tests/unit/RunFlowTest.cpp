#include "pipeline/ConversionRun.h"
#include "pipeline/Muxen.h"
#include "pipeline/WorkFiles.h"
#include "support/FakeRunContext.h"
#include "support/TestSupport.h"
#include "unit/Sources.h"

namespace {

// A stand-in image tool: writes its image where -o says.
const QString kWriteImage = QStringLiteral("while [ \"$1\" != -o ]; do shift; done; echo x > \"$2\"");

// Which steps a run takes, and its header, with stand-in tools that succeed.
class RunFlow : public ::testing::Test {
  protected:
    RunFlow() {
        ctx.useRealTools();  // its folders; the steps run here get stand-ins
        ProgramSettings& s = ctx.values;
        s.isoPath = dir.file("Arbeit/Meine_DVD.iso");
        s.tools[Tool::DVDauthor] =
            tool("dvdauthor", "cd '" + s.dvdRoot +
                                  "' && mkdir -p VIDEO_TS && cd VIDEO_TS && "
                                  "for f in VIDEO_TS.IFO VTS_01_1.VOB VTS_02_1.VOB; do echo x > $f; done");
        s.tools[Tool::mkisofs] = tool("mkisofs", "exit 0");
        s.tools[Tool::ImgTool] = tool("ImgTool", "exit 0");
        s.tools[Tool::Decrypter] = tool("DVDDecrypter", "exit 0");
        ctx.controlState.stageText = QStringLiteral("Authoring");
        for (int i = 1; i <= 4; ++i) {
            const QString path = dir.file(QStringLiteral("quelle%1.mpg").arg(i));
            ctx.table[ctx.table.append(path)] = Source(path, 0);
            ctx.table[i].VTS = i <= 2 ? 1 : 2;
            dir.write(QStringLiteral("Arbeit/dvd-%1.mpg").arg(i), "x");
        }
    }
    QString tool(const QString& name, const QString& body) {
        return dir.executable(name, ("#!/bin/sh\n" + body + "\n").toUtf8());
    }
    QStringList headers() const {
        QStringList found;
        for (const QString& line : ctx.lines())
            if (line.size() > 11 && line[2] == ':' && line[5] == ':' &&
                line.mid(8, 3) == QLatin1String(" - "))
                found << line.mid(11);
        return found;
    }
    bool logged(const QString& line) const { return ctx.lines().contains(line); }

    TempFolder dir;
    FakeRunContext ctx{dir.path()};
};

// The header's blocks, chapters and saved states are in the golden run log; here what
// its sources do not show: unknown sources, navigation packs, title sets of several sources.
// Hidden tool paths drop the tools block and its state.
TEST_F(RunFlow, HeaderListsUnknownSourcesNavigationPacksAndTitleSetsOfSeveralSources) {
    ctx.controlState.stageIndex = 5;  // nothing after the header
    ctx.values.hideToolPaths = true;
    ctx.table[2].Format.clear();
    ctx.table[3].NavPacks = true;
    EXPECT_TRUE(RunConversion(ctx));
    const QStringList lines = ctx.lines();
    EXPECT_EQ(lines[lines.indexOf("Datei:     " + dir.file("quelle2.mpg")) + 1], "Keine Informationen");
    EXPECT_TRUE(logged("  Navigationspacks gefunden."));
    const int structure = lines.indexOf("VTS 1:     " + dir.file("quelle1.mpg"));
    EXPECT_EQ(
        lines.mid(structure, 4),
        (QStringList{"VTS 1:     " + dir.file("quelle1.mpg"), "           " + dir.file("quelle2.mpg"),
                     "VTS 2:     " + dir.file("quelle3.mpg"), "           " + dir.file("quelle4.mpg")}));
    EXPECT_FALSE(headers().contains("Tools") || logged("           [002] Bearbeitungsstand gesichert."));
}

TEST_F(RunFlow, StageAuthoringSkipsTheFirstThreeStepsAndCleansUp) {
    ctx.controlState.stageIndex = 3;
    ctx.values.tempPolicy = kDeleteAfterMux;
    ASSERT_TRUE(RunConversion(ctx)) << ctx.lines().join('\n').toStdString();
    EXPECT_EQ(headers().mid(9), QStringList{"Authoring:"});
    EXPECT_TRUE(logged("Hinweis:   Dateien löschen."));
    EXPECT_FALSE(QFile::exists(dir.file("Arbeit/dvd-1.mpg")));
}

// An abort noticed after the image (the user answered "Nein" to "Sofort abbrechen?"
// while it was made) never burns; the next run makes the image, burns with ImgTool,
// saves the settings and shuts down.
TEST_F(RunFlow, StageImageRunsImageAndImgToolBurnThenShutsDownUnlessAborted) {
    ctx.controlState.stageIndex = 4;
    ctx.values.tempPolicy = kDeleteAfterMux;
    ctx.values.image = ctx.values.burn = ctx.values.imgTool = ctx.values.shutdown = ctx.values.eject = true;
    dir.write("Dvd/VIDEO_TS/VIDEO_TS.IFO", "x");
    const QString go = dir.file("weiter");
    WhenTrue([&] { return ctx.runner().isRunning(); },
             [&] {
                 ctx.run.abortRequested = true;
                 QFile(go).open(QIODevice::WriteOnly);
             });
    ctx.values.tools[Tool::mkisofs] =
        tool("mkisofs4", "while [ ! -e '" + go + "' ]; do sleep 0.01; done; " + kWriteImage);
    EXPECT_FALSE(RunConversion(ctx));
    EXPECT_FALSE(headers().contains("DVD brennen:"));
    EXPECT_TRUE(logged("Abbruch:   Abbruch durch den Anwender.") && ctx.shutdowns == 0);

    ctx.memory.clear();
    bool savedFull = false;
    ctx.onSaveSettings = [&](const QString& file, bool full) {
        savedFull = savedFull || (full && file.endsWith("/tavrolin.ini"));
        return true;
    };
    ASSERT_TRUE(RunConversion(ctx)) << ctx.lines().join('\n').toStdString();
    EXPECT_EQ(headers().mid(9), (QStringList{"Image erstellen:", "DVD brennen:"}));
    EXPECT_FALSE(logged("Hinweis:   Dateien löschen.")) << "no clean-up after stage 3";
    EXPECT_TRUE(logged("INI:       Programmeinstellungen gesichert.") &&
                logged("  DVD nach dem Brennen nicht auswerfen."));
    EXPECT_TRUE(savedFull && ctx.shutdowns == 1);
}

TEST_F(RunFlow, StageDecrypterBurnsOnlyWhenItIsChosen) {
    ctx.controlState.stageIndex = 5;
    ctx.values.burn = ctx.values.decrypter = ctx.values.shutdown = true;
    dir.write("Arbeit/Meine_DVD.iso", "x");
    ASSERT_TRUE(RunConversion(ctx)) << ctx.lines().join('\n').toStdString();
    EXPECT_EQ(headers().mid(9), QStringList{"Image brennen:"});
    EXPECT_TRUE(logged("           [600] Bearbeitungsstand gesichert."));
    EXPECT_TRUE(ctx.lines().last() == "Herunterfahren." && ctx.shutdowns == 1);
    ctx.shutdownAccepted = false;
    EXPECT_FALSE(RunConversion(ctx));
    EXPECT_EQ(ctx.lines().last(), "Fehler:    Das System hat das Herunterfahren abgelehnt.");
    EXPECT_FALSE(ctx.running);
}

TEST_F(RunFlow, YesToAbortDuringAVersionQueryStopsTheStep) {
    const QString mark = dir.file("gelaufen");  // left by the real call after the query
    const QString body = "[ \"$1\" = -version ] && { echo bereit; exec sleep 60; }\ntouch '" + mark + "'";
    ctx.values.tools[Tool::mpgtx] = tool("mpgtx", body);
    ctx.values.tools[Tool::mkisofs] = tool("mkisofs", body);
    ctx.values.image = true;
    dir.write("quelle1.mpg", "x");
    dir.write("Dvd/VIDEO_TS/VIDEO_TS.IFO", "x");
    for (int stage : {0, 4}) {
        ctx.controlState.stageIndex = stage;
        WhenTrue([&] { return ctx.memory.lastLine() == "bereit"; },
                 [&] {
                     ctx.run.abortRequested = true;
                     ctx.runner().KillTool();
                 });
        EXPECT_FALSE(RunConversion(ctx));
        EXPECT_FALSE(QFile::exists(mark)) << stage;
    }
}

TEST_F(RunFlow, ALogFileThatCannotBeWrittenEndsTheRun) {
    QDir().mkpath(dir.file("tavrolin.log"));
    ctx.controlState.stageIndex = 3;
    EXPECT_FALSE(RunConversion(ctx));
    EXPECT_FALSE(logged("           [402] Bearbeitungsstand gesichert.") || ctx.running);
}

// A source in the place of an intermediate ends the run before the first step; an
// old DVD structure that holds a source is kept.
TEST_F(RunFlow, ASourceIsNeverOverwrittenOrDeleted) {
    ctx.controlState.stageIndex = 3;
    const QString own = dir.file("Arbeit/../Arbeit/dvd-1.mpg");  // source 1's program stream
    ctx.table[2].Datei = own;
    ctx.table[2].NavPacks = true;
    EXPECT_FALSE(RunConversion(ctx));
    EXPECT_TRUE(logged("Fehler:    Die Quelle " + own + " würde von diesem Lauf überschrieben."));
    EXPECT_TRUE(logged("           Bitte einen anderen Arbeits-Ordner wählen."));
    EXPECT_TRUE(headers().mid(9).isEmpty() && FileBytes(own) == "x");
    ctx.table[2].Datei = dir.file("quelle2.mpg");
    ctx.table[2].NavPacks = false;
    const QString vob = dir.write("Dvd/video_ts/VTS_01_1.VOB", "quelle");
    ctx.table[1].Datei = vob;
    ctx.table[1].NavPacks = true;
    EXPECT_FALSE(RunConversion(ctx));
    EXPECT_EQ(FileBytes(vob), "quelle");
}

// AC-3 at 48 kHz in a stored title set of 224 kbit/s: source 1 (192 kbit/s) becomes MPEG
// audio, source 2 stays AC-3. Such a title set is never authored; the pass splits it.
TEST_F(RunFlow, AStoredTitleSetThatWouldMixAudioFormatsOnTheDiscIsNeverAuthored) {
    for (int i : {1, 2}) {
        MPEGInfo& r = ctx.table[i];
        r.Tonspuren = "1";
        r.TonFormat = {1, kNone};
        r.TonAbtastrate = {"48 KHz", ""};
        r.TonBitrate = {quint8(5 + i), kNone};
        r.DVDBitrate = {7, kNone};
    }
    ctx.controlState.stageIndex = 3;
    EXPECT_FALSE(RunConversion(ctx));
    EXPECT_TRUE(logged("Fehler:    Das VTS 1 hätte auf der DVD Tonspuren verschiedener Formate."));
    EXPECT_TRUE(headers().mid(9).isEmpty() && ctx.table.titleSetPass() == 3);
}

// Abort during a tool run: a stand-in multiplexer writes its output and waits until the
// user's answer ends it ("Ja") or lets it finish ("Nein"). What was begun is neither
// recorded nor deleted; "Nein" records the unit and stops before the next source.
TEST_F(RunFlow, AbortDuringAToolRun) {
    ctx.values.tempPolicy = kDeleteAtOnce;
    const QString go = dir.file("weiter");
    ctx.values.tools[Tool::MPlex] = tool("mplex",
                                         "while [ \"$1\" != -o ]; do shift; done; echo x > \"$2\"\n"
                                         "echo bereit; while [ ! -e '" +
                                             go + "' ]; do sleep 0.01; done");
    for (int i : {1, 2}) {
        MPEGInfo& r = ctx.table[i] = Source(ctx.table[i].Datei);
        r.Format = "MPEG1";
        r.TonAbtastrate[0] = "48 KHz";  // usable as it is
        r.DVDBitrate[0] = 7;
        dir.write(QStringLiteral("Arbeit/svcd-%1-0.m1v").arg(i), "v");
        dir.write(QStringLiteral("Arbeit/svcd-%1-0.mp2").arg(i), "a");
    }
    const auto work = [&](const QString& name) { return QFile::exists(ctx.values.work + '/' + name); };
    for (bool kill : {true, false}) {
        ctx.run.abortRequested = false;
        WhenTrue([&] { return ctx.memory.lastLine() == "bereit"; },
                 [&] {
                     ctx.run.abortRequested = true;
                     if (kill) ctx.runner().KillTool();
                     if (!kill) QFile(go).open(QIODevice::WriteOnly);
                 });
        EXPECT_EQ(Multiplex(ctx), Outcome::Aborted);
        EXPECT_EQ(ctx.lines().last(), "Abbruch:   Abbruch durch den Anwender.");
        EXPECT_EQ(logged("           [301] Bearbeitungsstand gesichert."), !kill);
        EXPECT_EQ(work("svcd-1-0.m1v") && work("svcd-1-0.mp2"), kill) << "a finished unit deletes its inputs";
        EXPECT_EQ(ctx.run.resumePoint, kill ? 0 : 301);
        EXPECT_TRUE(work("svcd-2-0.m1v") && !logged("Nach:      " + WorkFiles::Muxed(ctx.values.work, 2)));
    }
}

}  // namespace
