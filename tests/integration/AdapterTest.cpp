// The program's helper tools in bin/ that stand in for jrDMUX, BeSweet, lkVCDxRip,
// DVDDecrypter and ImgTool, run for real on media made at test time. The burners run
// growisofs in dry-run mode with a regular file as the device, or a stand-in growisofs
// that records what it was given: never a drive.

#include "pipeline/Brennen.h"
#include "pipeline/Upmix.h"
#include "support/FakeRunContext.h"
#include "support/MediaCheck.h"
#include "support/TestMedia.h"
#include "tools/FileVersion.h"

namespace {

const QString kDryRun = "TAVROLIN_DRY_RUN=1", kBeSweet = TAV_TOOL_DIR "/BeSweet",
              kJrdmux = TAV_TOOL_DIR "/jrdmux", kRip = TAV_TOOL_DIR "/lkVCDxRip",
              kDecrypter = TAV_TOOL_DIR "/DVDDecrypter";

// MPEG-1 Layer II at 44.1 kHz, as a (S)VCD carries it.
QString VcdAudio() {
    return TestMedia::Make("vcd-audio.mp2", {"-i", TestMedia::Vcd(), "-map", "0:a", "-c", "copy"});
}

// The upmix step's argument string.
QString BeSweetString(const QString& input, const QString& output, const QString& log, int bitrate) {
    return BeSweetPlan(kBeSweet, input, output, log, QString::number(bitrate)).argumentText;
}

// Every DVD bitrate from (S)VCD audio (0 stands for 5.1 AC-3 at 192 kbit/s), the upmix
// step's string in one piece or split at blanks, paths with blanks, "&" and umlauts.
class BeSweetBitrate : public ::testing::TestWithParam<int> {};

TEST_P(BeSweetBitrate, Makes48kHzStereoMp2AtTheBitrateFromTheStringWholeOrSplit) {
    const int bitrate = GetParam() ? GetParam() : 192;
    const TempFolder dir;
    const QString source = GetParam() ? VcdAudio() : TestMedia::Ac3Track(1);
    const QString input =
        dir.write("Ton & Bild ä/mein ton & mehr." + QFileInfo(source).suffix(), FileBytes(source));
    const QString log = dir.file("Ton & Bild ä/besweet.log");
    const QString outputs[] = {dir.file("Ton & Bild ä/ganz 48.mp2"), dir.file("Ton & Bild ä/geteilt 48.mp2")};
    for (const bool split : {false, true}) {
        const QString text = BeSweetString(input, outputs[split], log, bitrate);
        EXPECT_TRUE(MediaCheck::Runs(kBeSweet, split ? text.split(' ') : QStringList{text}));
        const QString written = QString::fromUtf8(FileBytes(log));
        for (const QString& part :
             {input, outputs[split], QStringLiteral("%1 kbit/s").arg(bitrate), QStringLiteral("OK")})
            EXPECT_TRUE(written.contains(part)) << written.toStdString();
    }

    // "mp3" is ffprobe's name for a file of MPEG audio.
    EXPECT_EQ(
        MediaCheck::Probe(outputs[0], "stream=codec_name,sample_rate,channels,bit_rate:format=format_name"),
        QStringLiteral("mp2,48000,2,%1\nmp3").arg(bitrate * 1000));
    // twolame writes the CRC asked for with -e (the first frame header's protection bit is 0);
    // it refuses 80 kbit/s stereo, which ffmpeg's own encoder then makes without one.
    const QByteArray mp2 = FileBytes(outputs[0]);
    EXPECT_EQ(mp2.size() > 1 && (mp2[1] & 0x01) == 0, bitrate != 80);
    EXPECT_EQ(FileBytes(outputs[1]), mp2) << "the same bytes each time";
}

INSTANTIATE_TEST_SUITE_P(AllDvdBitrates, BeSweetBitrate,
                         ::testing::Values(64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0));

// jrdmux writes exactly the elementary streams mpgtx writes, and the AC-3 tracks
// unchanged, for every stream selection the demultiplexing step uses.
TEST(Jrdmux, WritesTheStreamsOfMpgtxAndAc3TracksUnchanged) {
    const TempFolder dir;
    const QString vcd = dir.write("Arbeit & Übung ö/mein film.mpg", FileBytes(TestMedia::Vcd()));
    const QString svcd = TestMedia::SvcdTwoTracks(), ac3 = TestMedia::SvcdTwoAc3();
    const QString v = dir.file("vcd"), s = dir.file("svcd");
    EXPECT_TRUE(MediaCheck::Runs("mpgtx", {"-d", vcd, "-b", v}) &&
                MediaCheck::Runs("mpgtx", {"-d", svcd, "-b", s}));
    // The program writes the AC-3 sub-stream of track 0 without, of track 1 with a trailing blank.
    const QList<QStringList> calls{{vcd, " 0xe0 ", v + "-0.m1v"},
                                   {svcd, " 0xc0 ", s + "-0.mp2"},
                                   {svcd, " 0xc1 ", s + "-1.mp2"},
                                   {svcd, " 0xe0 ", s + "-0.m2v"},
                                   {ac3, " 0xbd ", TestMedia::Ac3Track(0), " 0x80"},
                                   {ac3, " 0xbd ", TestMedia::Ac3Track(1), " 0x81 "}};
    for (QStringList call : calls) {
        const QString expected = call[2];
        call[2] = dir.file("Arbeit & Übung ö/svcd-1-0." + QFileInfo(expected).suffix());
        int code = -1;
        const QString output = MediaCheck::Run(kJrdmux, call, &code);
        ASSERT_EQ(code, 0) << output.toStdString();
        EXPECT_TRUE(output.contains("Running: ffmpeg")) << "the command is shown";
        EXPECT_EQ(FileBytes(call[2]), FileBytes(expected)) << call.join(' ').toStdString();
    }
    EXPECT_NE(FileBytes(s + "-0.mp2"), FileBytes(s + "-1.mp2")) << "the two tracks differ";
}

class Helpers : public ::testing::Test {
  protected:
    Helpers() { dir.write(device, QByteArray()); }

    // Runs a helper (dry run unless the environment says otherwise); exit code in code.
    QString run(const QString& program, const QStringList& arguments,
                const QStringList& environment = {kDryRun}) {
        return MediaCheck::Run(program, arguments, &code, environment);
    }
    // A growisofs stand-in first on the search path: records its arguments and
    // standard input, then runs the given shell lines. Returns the environment that finds it.
    QStringList fakeGrowisofs(const QString& body) const {
        dir.executable("fake/growisofs",
                       QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1'\ncat > '%2'\n%3\n")
                           .arg(dir.file("arguments"), dir.file("fed"), body)
                           .toUtf8());
        return {"PATH=" + dir.file("fake") + ":" + qEnvironmentVariable("PATH")};
    }
    // ImgTool copied beside its own ImgTool.ini (written as given, naming the device by default).
    QString imgTool(const QByteArray& ini = QByteArray()) const {
        dir.write("Werkzeug ä/ImgTool.ini",
                  ini.isNull() ? "[ImgTool]\nSpeed: 4\nDevice: " + device.toUtf8() + "\nVerify: 0\n" : ini);
        QFile::copy(TAV_TOOL_DIR "/ImgTool", dir.file("Werkzeug ä/ImgTool"));
        return dir.file("Werkzeug ä/ImgTool");
    }

    TempFolder dir;
    const QString device = dir.file("Brenner & Laufwerk");
    const QString folder = TestMedia::DvdFolder();
    int code = -1;
};

// What a helper cannot do ends with an exit code (44 from BeSweet for a string it cannot
// read, another one for the rest), not a crash, and leaves no output behind.
TEST_F(Helpers, FailWithoutOutputForWhatTheyCannotDo) {
    const QString vcd = TestMedia::Vcd(), image = TestMedia::DvdImage(), tool = imgTool();
    const QString out = dir.file("out"), log = dir.file("besweet.log");
    const QString notAnImage = dir.write("kein image.bin", FileBytes(vcd));
    const QString good = BeSweetString(VcdAudio(), out, log, 224);
    const struct {
        QString helper;
        QStringList arguments;
        int code;  // 0: any but 44
    } cases[] = {
        {kBeSweet, {}, 44},
        {kBeSweet, {"-core( -input \"" + vcd + "\" )"}, 44},                   // no output, no bitrate
        {kBeSweet, {QString(good).replace(" -b 224", " -b 100")}, 44},         // no such bitrate
        {kBeSweet, {QString(good).replace(" -b 224", " -b")}, 44},             // bitrate missing
        {kBeSweet, {QString(good).replace("-shibatch(", "-ssrc(")}, 44},       // unknown section
        {kBeSweet, {QString(good).replace(" -e )", " -e")}, 44},               // section not closed
        {kBeSweet, {QString(good).replace("-output \"", "-output ")}, 44},     // quote left open
        {kBeSweet, {QString(good).replace(" -m s", " -x s")}, 44},             // unknown option
        {kBeSweet, {BeSweetString(dir.file("fehlt.mp2"), out, log, 224)}, 0},  // missing input
        {kJrdmux, {vcd, "0xc1", out}, 0},                                      // no second audio track
        {kJrdmux, {vcd, "0xbd", out}, 0},                        // private stream without sub-stream
        {kJrdmux, {vcd, "0x42", out}, 0},                        // no such selection
        {kJrdmux, {dir.file("fehlt.mpg"), "0xc0", out}, 0},      // missing source
        {kJrdmux, {vcd, "0xc0"}, 0},                             // no output named
        {kRip, {"/o", out, "/b", dir.file("fehlt.bin")}, 0},     // missing image
        {kRip, {"/o", out, "/b", notAnImage}, 0},                // an MPEG file, not a disc image
        {kRip, {"/o", out, "/n", dir.file("fehlt.nrg")}, 0},     // missing Nero image
        {kRip, {"/o", out, "/c", "9,9,9", "/d", "GENERIC"}, 0},  // no drive at that address
        {kRip, {"/b", notAnImage}, 0},                           // no output folder
        {kDecrypter, {"/MODE", "ISOWRITE", "/SRC", dir.file("fehlt.iso"), "/DEST", device}, 0},
        {kDecrypter, {"/SRC", image, "/DEST", device}, 0},  // no mode
        {tool, {"-d", dir.file("fehlt"), "-v", "X"}, 0},
    };
    for (const auto& c : cases) {
        run(c.helper, c.arguments);
        const std::string call = (c.helper + " " + c.arguments.join(' ')).toStdString();
        EXPECT_TRUE(c.code ? code == c.code : code > 0 && code != 44) << call << ": " << code;
        EXPECT_FALSE(QFileInfo(out).isFile() || QFileInfo::exists(out + "/mpegav/avseq01.mpg")) << call;
    }
    EXPECT_TRUE(FileBytes(log).contains("failed")) << "BeSweet says why";
}

// Each value one argument, as the program passes them, or the whole string in one. Where
// growisofs shows what it reads, it accepted the image or folder. DVDDecrypter's version
// is new enough for the speed list.
TEST_F(Helpers, BurnTheImageOrTheFolderInADryRun) {
    EXPECT_GE(FileVersionText(kDecrypter), QStringLiteral("3.2.3.0"));
    const QString image = dir.write("Meine DVD.iso", FileBytes(TestMedia::DvdImage())), tool = imgTool();
    const QString oneString =
        QStringLiteral("/MODE ISOWRITE /START /CLOSE /SRC \"%1\" /DEST \"%2\" /SPEED \"%3\"");
    const QString toImage = "-Z \"" + device + "=" + image + "\"", read = "builtin_dd if=" + image;
    const QStringList toFolder{
        QStringLiteral("growisofs -dry-run -dvd-compat -Z \"%1\" -dvd-video -V \"Meine DVD\" \"%2\"")
            .arg(device, folder),
        "genisoimage -dvd-video -V Meine DVD " + folder};
    const struct {
        QString program;
        QStringList arguments, shown;
    } cases[] = {
        {kDecrypter,
         {"/MODE", "ISOWRITE", "/START", "/CLOSE", "/ERASE", "/SRC", image, "/DEST", device, "/SPEED", "8x"},
         {"growisofs -dry-run -dvd-compat -speed=8 " + toImage, read}},
        {kDecrypter,
         {oneString.arg(image, device, "Max")},
         {"growisofs -dry-run -dvd-compat " + toImage, read}},
        {kDecrypter, {oneString.arg(image, device, "")}, {"growisofs -dry-run -dvd-compat " + toImage, read}},
        {tool, {QStringLiteral("-d \"%1\" -v \"Meine DVD\"").arg(folder)}, toFolder},
        {tool, {"-d", folder, "-v", "Meine DVD", "-o", "-e", "-l"}, toFolder},
    };
    for (const auto& c : cases) {
        const QString output = run(c.program, c.arguments);
        ASSERT_EQ(code, 0) << output.toStdString();
        for (const QString& shown : c.shown)
            EXPECT_TRUE(output.contains(shown)) << shown.toStdString() << " in\n" << output.toStdString();
        EXPECT_EQ(QFileInfo(device).size(), 0) << "nothing written in a dry run";
        EXPECT_EQ(FileBytes(dir.file("Werkzeug ä/ImgTool.log")).contains("OK"), c.arguments.contains("-l"))
            << "a log only with -l";
        EXPECT_EQ(output.contains("is not ejected"), c.program == tool && !c.arguments.contains("-e"))
            << "ImgTool ejects the disc unless -e keeps it in";
    }
}

TEST_F(Helpers, DecrypterFeedsASplitImageWholeAndInOrderAndTheBurnersExitCodeComesBack) {
    const QByteArray whole = FileBytes(TestMedia::DvdImage());
    MediaCheck::Run("split",
                    {"-b", "600k", "-d", "-a", "2", TestMedia::DvdImage(), dir.file("Meine DVD.iso_")});
    ASSERT_TRUE(QFile::exists(dir.file("Meine DVD.iso_02"))) << "three parts at least";
    const QStringList arguments{"/MODE", "ISOWRITE", "/SRC",   dir.file("Meine DVD.iso_00"),
                                "/DEST", device,     "/SPEED", "4x"};

    const QString dryRun = run(kDecrypter, arguments);
    ASSERT_EQ(code, 0) << dryRun.toStdString();
    EXPECT_TRUE(dryRun.contains("builtin_dd if=/dev/fd/0")) << "growisofs takes the stream";
    // growisofs's own exit code (errno values, 28 is "no space left") reaches the program.
    const QString recorded = run(kDecrypter, arguments, fakeGrowisofs("exit 28"));
    EXPECT_EQ(code, 28) << recorded.toStdString();
    EXPECT_EQ(FileBytes(dir.file("fed")), whole);
    EXPECT_EQ(QString::fromUtf8(FileBytes(dir.file("arguments"))).split('\n', Qt::SkipEmptyParts),
              QStringList({"-dvd-compat", "-speed=4",
                           QStringLiteral("-use-the-force-luke=tracksize:%1").arg(whole.size() / 2048), "-Z",
                           device + "=/dev/fd/0"}));
    run(imgTool(), {"-d", folder, "-v", "X"}, fakeGrowisofs("exit 5"));
    EXPECT_EQ(code, 5);
}

// The burn step names the drive chosen in the list (here a regular file) in
// ImgTool.ini, as the old name-only line from an earlier version did not.
TEST_F(Helpers, TheBurnStepBurnsToTheChosenDrive) {
    FakeRunContext ctx(dir.path());
    ctx.values.tools[Tool::ImgTool] = imgTool("[ImgTool]\nDevice: HL-DT-ST DVDRAM GH24NSD1\n");
    ctx.values.dvdRoot = folder;
    ctx.values.label = QStringLiteral("Meine_DVD");
    ctx.values.burnLog = true;
    ctx.controlState.burnerEnabled = true;
    ctx.controlState.burnerText = device + QStringLiteral(": (1:0:0) HL-DT-ST DVDRAM GH24NSD1");
    qputenv("TAVROLIN_DRY_RUN", "1");
    const bool burned = BurnWithImgTool(ctx) == Outcome::Done;
    qunsetenv("TAVROLIN_DRY_RUN");

    ASSERT_TRUE(burned) << ctx.lines().join('\n').toStdString();
    EXPECT_EQ(FileBytes(dir.file("Werkzeug ä/ImgTool.ini")),
              "[ImgTool]\nDevice: " + device.toUtf8() + " (HL-DT-ST DVDRAM GH24NSD1)\n");
    EXPECT_TRUE(FileBytes(dir.file("Werkzeug ä/ImgTool.log")).contains("-Z \"" + device.toUtf8() + "\""));
}

}  // namespace
