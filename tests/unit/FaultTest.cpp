#include "acquisition/RipChapters.h"
#include "acquisition/Rippen.h"
#include "persistence/IniFile.h"
#include "persistence/MenuProjectExport.h"
#include "pipeline/Author.h"
#include "pipeline/Brennen.h"
#include "pipeline/Demuxen.h"
#include "pipeline/Image.h"
#include "pipeline/Muxen.h"
#include "pipeline/RunLogFile.h"
#include "pipeline/Upmix.h"
#include "support/FakeRunContext.h"
#include "support/TestSupport.h"

namespace {

// Every file the program writes keeps its old content when the disk is full.
TEST(FullDisk, EveryWriterKeepsTheOldFile) {
    SmallDisk disk(64);
    if (!disk.mounted()) GTEST_SKIP() << "no tmpfs can be mounted here (needs root)";
    TempFolder temp;
    FakeRunContext ctx(temp.path());
    temp.write("vcd.xml", "<entry id=\"entry-001\">4.170911</entry>\n");
    const QStringList many(300, QStringLiteral("Zeile"));
    const struct {
        const char* file;
        std::function<bool(const QString&)> write;
    } writers[] = {
        {"tavrolin.ini",
         [&](const QString& path) {
             IniFile ini(path);
             ini.setValue("Quellen", "Liste", many.join(' '));
             return ini.save();
         }},
        {"tavrolin.log", [&](const QString&) { return SaveRunLog(many, disk.file(QString())); }},
        {"Projekt.ini",
         [&](const QString& path) { return WriteMenuProject(path, many) == MenuExportResult::Written; }},
        {"ImgTool.ini", [&](const QString& path) { return UpdateDeviceLines(path, many.join(' ')); }},
        {"film.Kapitel",
         [&](const QString& path) {
             ReadRipChapters(ctx, temp.path(), path);
             return !ctx.lines().last().startsWith("Fehler:");
         }},
    };
    for (const auto& writer : writers)
        temp.write(disk.file(writer.file), "Device: alt\n");
    disk.fill();
    for (const auto& writer : writers) {
        EXPECT_FALSE(writer.write(disk.file(writer.file))) << writer.file;
        EXPECT_EQ(FileBytes(disk.file(writer.file)), "Device: alt\n") << writer.file;
    }
}

// One source of 10 MB with a 44.1 kHz MP2 track, its intermediate files, a DVD
// folder and an image, all sparse; every tool is a stand-in that exits 0 after
// writing one byte to each output it is given.
struct Step {
    const char* name;
    const char* done;  // the log's mark of a finished unit
};

class Lying : public ::testing::TestWithParam<Step> {
  protected:
    Lying() {
        ctx.useRealTools();
        ctx.values.ripRoot = dir.file("Ripp");
        ctx.values.isoPath = dir.file("film.iso");
        const QString tool = dir.executable(
            "tool",
            "#!/bin/sh\nfor a in \"$@\"; do case \"$prev\" in\n"
            "-b) printf x > \"$a-0.m1v\"; printf x > \"$a-0.mp2\";;\n-o|-output) printf x > \"$a\";;\n"
            "/o) mkdir -p \"$a/mpegav\"; : > \"$a/mpegav/avseq01.mpg\";; esac; prev=$a; done\n");
        for (Tool t :
             {Tool::mpgtx, Tool::BeSweet, Tool::MPlex, Tool::DVDauthor, Tool::mkisofs, Tool::lkVCDxRip})
            ctx.values.tools[t] = tool;
        MPEGInfo& r = ctx.table[ctx.table.append(sized("quelle.mpg", 10 << 20))];
        r.Format = QStringLiteral("MPEG1");
        r.Tonspuren = QStringLiteral("1");
        r.TonFormat = {0, kNone};
        r.TonAbtastrate = {QStringLiteral("44.1 KHz"), QString()};
        r.TonBitrate = r.DVDBitrate = {7, kNone};
        r.VTS = 1;
        for (const char* name : {"Arbeit/svcd-1-0.m1v", "Arbeit/svcd-1-0.mp2", "Arbeit/svcd-1-0-48.mp2",
                                 "Arbeit/dvd-1.mpg", "Dvd/VIDEO_TS/VIDEO_TS.IFO"})
            sized(name, 10 << 20);
        image = dir.write("film.bin", QByteArray(42347, '\0') + "MPEGAV");
        QFile::resize(image, 10 << 20);
    }
    QString sized(const QString& name, qint64 bytes) {
        const QString path = dir.write(name, "x");
        QFile::resize(path, bytes);
        return path;
    }
    bool step(const QString& name) {
        if (name == "Demuxen") return Demultiplex(ctx);
        if (name == "Upmix") return Upmix(ctx);
        if (name == "Muxen") return Multiplex(ctx);
        if (name == "Authoring") return Author(ctx);
        if (name == "Image") return MakeImage(ctx);
        return ExtractImage(ctx, image, 0, RipJob{});
    }

    TempFolder dir;
    FakeRunContext ctx{dir.path()};
    QString image;
};

// A tool that exits 0 with an empty or far too small result has failed: no
// state is recorded, nothing is moved.
TEST_P(Lying, AToolThatSucceedsWithoutItsResultFails) {
    EXPECT_FALSE(step(GetParam().name));
    const QString log = ctx.lines().join('\n');
    EXPECT_TRUE(log.contains("\nFehler:    ")) << log.toStdString();
    EXPECT_FALSE(log.contains(GetParam().done)) << log.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Steps, Lying,
                         ::testing::Values(Step{"Demuxen", "[101]"}, Step{"Upmix", "[201]"},
                                           Step{"Muxen", "[301]"}, Step{"Authoring", "[402]"},
                                           Step{"Image", "[501]"}, Step{"Extrakt", "verschoben"}),
                         [](const auto& info) { return std::string(info.param.name); });

// A broken source makes the demultiplexer write without end: it is stopped.
TEST_F(Lying, AToolWritingFarPastTheEstimateIsStopped) {
    QFile::resize(ctx.table[1].Datei, 1 << 20);
    ctx.values.tools[Tool::mpgtx] =
        dir.executable("mpgtx",
                       "#!/bin/sh\n[ \"$1\" = -d ] || exit 0\nfor i in $(seq 200); do "
                       "head -c 65536 /dev/zero >> \"$4-0.m1v\"; sleep 0.01; done\n");
    EXPECT_FALSE(Demultiplex(ctx));
    EXPECT_TRUE(ctx.lines().join('\n').contains("\nFehler:    "));
    EXPECT_LT(QFileInfo(ctx.values.work + "/svcd-1-0.m1v").size(), 200 * 65536) << "stopped while it ran";
}

// Resuming never destroys a finished DVD: without the authoring's inputs its
// recorded result stands, and without a record the old DVD stays untouched.
TEST_F(Lying, AuthoringWithoutItsInputsKeepsTheDvd) {
    QFile::remove(ctx.values.work + "/dvd-1.mpg");
    EXPECT_FALSE(Author(ctx));
    EXPECT_TRUE(QFile::exists(dir.file("Dvd/VIDEO_TS/VIDEO_TS.IFO")));
    ctx.run.resumePoint = 402;
    EXPECT_TRUE(Author(ctx));
    EXPECT_TRUE(QFile::exists(dir.file("Dvd/VIDEO_TS/VIDEO_TS.IFO")));
    EXPECT_TRUE(ctx.lines().contains(QStringLiteral("           [402] Bearbeitungsstand gesichert.")));
}

}  // namespace
