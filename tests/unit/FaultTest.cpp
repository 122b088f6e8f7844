#include <QProcess>

#include "acquisition/Rippen.h"
#include "persistence/MenuProjectExport.h"
#include "persistence/Settings.h"
#include "pipeline/Author.h"
#include "pipeline/Brennen.h"
#include "pipeline/Demuxen.h"
#include "pipeline/Image.h"
#include "pipeline/Muxen.h"
#include "pipeline/RunLogFile.h"
#include "pipeline/Upmix.h"
#include "support/FakeRunContext.h"
#include "support/TestSupport.h"
#include "unit/Sources.h"

namespace {

// A 64 KiB tmpfs on a temporary folder; mounting needs root.
struct SmallDisk : TempFolder {
    bool mounted = QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tavtest", path()}) == 0;
    ~SmallDisk() {
        if (mounted) QProcess::execute("umount", {"-l", path()});
    }
};

// Every file the program writes keeps its old content when the disk is full.
TEST(FullDisk, EveryWriterKeepsTheOldFile) {
    SmallDisk disk;
    if (!disk.mounted) GTEST_SKIP() << "no tmpfs can be mounted here (needs root)";
    const QStringList many(300, "Zeile");
    const std::pair<const char*, std::function<bool(const QString&)>> writers[] = {
        {"tavrolin.ini", [&](const QString& path) { return SettingsSave(path, true, ProgramSettings()); }},
        {"tavrolin.log", [&](const QString&) { return SaveRunLog(many, disk.path()); }},
        {"Projekt.ini",
         [&](const QString& path) { return WriteMenuProject(path, many) == MenuExportResult::Written; }},
        {"ImgTool.ini", [&](const QString& path) { return UpdateDeviceLines(path, many.join(' ')); }}};
    for (const auto& [file, write] : writers)
        disk.write(file, "Device: alt\n");
    QFile filler(disk.file("filler"));
    filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    while (filler.write(QByteArray(4096, 'f')) == 4096) {
    }
    for (const auto& [file, write] : writers) {
        EXPECT_FALSE(write(disk.file(file))) << file;
        EXPECT_EQ(FileBytes(disk.file(file)), "Device: alt\n") << file;
    }
}

struct Step {
    const char* name;
    const char* done;  // the log's mark of a finished unit
    Outcome (*run)(RunContext&);
};

Outcome Extract(RunContext& ctx) {
    return DoneIf(ExtractImage(ctx, ctx.folders().programDir + "/film.bin", 0, {}));
}

// One source of 10 MB with a 44.1 kHz MP2 track, its intermediate files, a DVD
// folder and an image, all sparse; every tool is a stand-in that exits 0 after
// writing one byte (an empty main track for the rip helper) to each output.
class Lying : public ::testing::TestWithParam<Step> {
  protected:
    Lying() {
        ctx.useRealTools();
        ctx.values.ripRoot = dir.file("Ripp");
        ctx.values.isoPath = dir.file("film.iso");
        const QString tool = dir.executable(
            "tool",
            "#!/bin/sh\ncd \"${0%/*}\"\nfor a in \"$@\"; do case \"$prev\" in\n"
            "-b) printf x > \"$a-0.m1v\"; printf x > \"$a-0.mp2\";;\n-o|-output) printf x > \"$a\";;\n"
            "/o) mkdir -p \"$a/mpegav\"; : > \"$a/mpegav/avseq01.mpg\";; esac; prev=$a; done\n");
        for (Tool t :
             {Tool::mpgtx, Tool::BeSweet, Tool::MPlex, Tool::DVDauthor, Tool::mkisofs, Tool::lkVCDxRip})
            ctx.values.tools[t] = tool;
        MPEGInfo& r = ctx.table[ctx.table.append(dir.file("quelle.mpg"))] = Source(dir.file("quelle.mpg"));
        r.Format = "MPEG1";
        r.VTS = 1;
        dir.write("film.bin", QByteArray(42347, '\0') + "MPEGAV");
        for (const char* name : {"quelle.mpg", "film.bin", "Arbeit/svcd-1-0.m1v", "Arbeit/svcd-1-0.mp2",
                                 "Arbeit/svcd-1-0-48.mp2", "Arbeit/dvd-1.mpg", "Dvd/VIDEO_TS/VIDEO_TS.IFO"})
            QFile::resize(dir.write(name, "x"), 10 << 20);
    }

    TempFolder dir;
    FakeRunContext ctx{dir.path()};
};

// A tool that exits 0 with an empty or far too small result has failed: no
// state is recorded, nothing is moved.
TEST_P(Lying, AToolThatSucceedsWithoutItsResultFails) {
    EXPECT_EQ(GetParam().run(ctx), Outcome::Failed);
    const QString log = ctx.lines().join('\n');
    EXPECT_TRUE(log.contains("\nFehler:    ")) << log.toStdString();
    EXPECT_FALSE(log.contains(GetParam().done)) << log.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Steps, Lying,
                         ::testing::Values(Step{"Demuxen", "[101]", Demultiplex},
                                           Step{"Upmix", "[201]", Upmix}, Step{"Muxen", "[301]", Multiplex},
                                           Step{"Authoring", "[402]", Author},
                                           Step{"Image", "[501]", MakeImage},
                                           Step{"Extrakt", "verschoben", Extract}),
                         [](const auto& info) { return std::string(info.param.name); });

// A broken source makes the demultiplexer write without end: it is stopped.
TEST_F(Lying, AToolWritingFarPastTheEstimateIsStopped) {
    QFile::resize(ctx.table[1].Datei, 1 << 20);
    ctx.values.tools[Tool::mpgtx] =
        dir.executable("mpgtx",
                       "#!/bin/sh\n[ \"$1\" = -d ] || exit 0\nfor i in $(seq 200); do "
                       "head -c 65536 /dev/zero >> \"$4-0.m1v\"; sleep 0.01; done\n");
    EXPECT_EQ(Demultiplex(ctx), Outcome::Failed);
    EXPECT_TRUE(ctx.lines().join('\n').contains("\nFehler:    "));
    EXPECT_LT(QFileInfo(ctx.values.work + "/svcd-1-0.m1v").size(), 200 * 65536) << "stopped while it ran";
}

// Resuming never destroys a finished DVD: without the authoring's inputs its
// recorded result stands, and without a record the old DVD stays untouched.
TEST_F(Lying, AuthoringWithoutItsInputsKeepsTheDvd) {
    QFile::remove(ctx.values.work + "/dvd-1.mpg");
    EXPECT_EQ(Author(ctx), Outcome::Failed);
    EXPECT_TRUE(QFile::exists(dir.file("Dvd/VIDEO_TS/VIDEO_TS.IFO")));
    ctx.run.resumePoint = 402;
    EXPECT_EQ(Author(ctx), Outcome::Done);
    EXPECT_TRUE(QFile::exists(dir.file("Dvd/VIDEO_TS/VIDEO_TS.IFO")));
    EXPECT_TRUE(ctx.lines().contains("           [402] Bearbeitungsstand gesichert."));
}

}  // namespace
