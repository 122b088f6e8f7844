// The program's helper tools in bin/ that stand in for jrDMUX, BeSweet and
// lkVCDxRip, run for real on media made at test time.

#include <QRegularExpression>

#include "support/MediaCheck.h"
#include "support/TestMedia.h"
#include "support/TestSupport.h"

namespace {

using MediaCheck::Adapter;

// Runs a program and expects it to end with exit code 0.
void ExpectRuns(const QString& program, const QStringList& arguments) {
    int code = -1;
    const QString output = MediaCheck::Run(program, arguments, &code);
    EXPECT_EQ(code, 0) << program.toStdString() << ": " << output.toStdString();
}

// MPEG-1 Layer II at 44.1 kHz, as a (S)VCD carries it.
QString VcdAudio() {
    return TestMedia::Make(
        "vcd-audio.mp2", {"-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100", "-t", "3", "-ac", "2",
                          "-c:a", "mp2", "-b:a", "224k", "-f", "mp2"});
}

// The upmix step's argument string.
QString BeSweetString(const QString& input, const QString& output, const QString& log, int bitrate) {
    return QStringLiteral(
               "-core( -input \"%1\" -output \"%2\" -logfile \"%3\" ) -shibatch( --rate 48000 ) "
               "-2lame( -m s -b %4 -e )")
        .arg(input, output, log)
        .arg(bitrate);
}

// The protection bit of the first frame header is 0 when frames carry a CRC.
bool HasCrc(const QByteArray& mpegAudio) {
    return mpegAudio.size() > 1 && (mpegAudio[1] & 0x01) == 0;
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
        ExpectRuns(Adapter("BeSweet"), split ? text.split(' ') : QStringList{text});
        const QString written = QString::fromUtf8(FileBytes(log));
        for (const QString& part :
             QStringList{input, outputs[split], QStringLiteral("%1 kbit/s").arg(bitrate), "OK"})
            EXPECT_TRUE(written.contains(part)) << written.toStdString();
    }

    // "mp3" is ffprobe's name for a file of MPEG audio.
    EXPECT_EQ(
        MediaCheck::Probe(outputs[0], "stream=codec_name,sample_rate,channels,bit_rate:format=format_name"),
        QStringLiteral("mp2,48000,2,%1\nmp3").arg(bitrate * 1000));
    // twolame writes the CRC asked for with -e; it refuses 80 kbit/s stereo,
    // which ffmpeg's own encoder then makes without one.
    EXPECT_EQ(HasCrc(FileBytes(outputs[0])), bitrate != 80);
    EXPECT_EQ(FileBytes(outputs[1]), FileBytes(outputs[0])) << "the same bytes each time";
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
    ExpectRuns("mpgtx", {"-d", vcd, "-b", v});
    ExpectRuns("mpgtx", {"-d", svcd, "-b", s});
    // The program writes the AC-3 sub-stream of track 0 without, of track 1 with a trailing blank.
    const QList<QStringList> calls{{vcd, " 0xc0 ", v + "-0.mp2"},
                                   {vcd, " 0xe0 ", v + "-0.m1v"},
                                   {svcd, " 0xc0 ", s + "-0.mp2"},
                                   {svcd, " 0xc1 ", s + "-1.mp2"},
                                   {svcd, " 0xe0 ", s + "-0.m2v"},
                                   {ac3, " 0xbd ", TestMedia::Ac3Track(0), " 0x80"},
                                   {ac3, " 0xbd ", TestMedia::Ac3Track(1), " 0x81 "}};
    for (QStringList call : calls) {
        const QString expected = call[2];
        call[2] = dir.file("Arbeit & Übung ö/svcd-1-0." + QFileInfo(expected).suffix());
        int code = -1;
        const QString output = MediaCheck::Run(Adapter("jrdmux"), call, &code);
        ASSERT_EQ(code, 0) << output.toStdString();
        EXPECT_TRUE(output.contains("Running: ffmpeg")) << "the command is shown";
        EXPECT_FALSE(FileBytes(call[2]).isEmpty()) << call[1].toStdString();
        EXPECT_EQ(FileBytes(call[2]), FileBytes(expected)) << call.join(' ').toStdString();
    }
    EXPECT_NE(FileBytes(s + "-0.mp2"), FileBytes(s + "-1.mp2")) << "the two tracks differ";
}

// The helper's own rip of an image is the rip window test's matter.
TEST(VcdRip, NamesVcdxripsVersion) {
    int code = -1;
    const QString version = MediaCheck::Run(Adapter("lkVCDxRip"), {"-version"}, &code);
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(version.contains(QRegularExpression("vcdxrip.* [0-9]+\\.[0-9]+"))) << version.toStdString();
}

// What a helper cannot do ends with an exit code (44 from BeSweet for a string it cannot
// read, another one for the rest), not a crash, and leaves no output behind.
TEST(Helpers, FailWithoutOutputForWhatTheyCannotDo) {
    const TempFolder dir;
    const QString vcd = TestMedia::Vcd(), out = dir.file("out"), log = dir.file("besweet.log");
    const QString notAnImage = dir.write("kein image.bin", FileBytes(vcd));
    const QString good = BeSweetString(VcdAudio(), out, log, 224);
    const struct {
        const char* helper;
        QStringList arguments;
        int code;  // 0: any but 44
    } cases[] = {
        {"BeSweet", {}, 44},
        {"BeSweet", {"-core( -input \"" + vcd + "\" )"}, 44},                   // no output, no bitrate
        {"BeSweet", {QString(good).replace(" -b 224", " -b 100")}, 44},         // no such bitrate
        {"BeSweet", {QString(good).replace(" -b 224", " -b")}, 44},             // bitrate missing
        {"BeSweet", {QString(good).replace("-shibatch(", "-ssrc(")}, 44},       // unknown section
        {"BeSweet", {QString(good).replace(" -e )", " -e")}, 44},               // section not closed
        {"BeSweet", {QString(good).replace("-output \"", "-output ")}, 44},     // quote left open
        {"BeSweet", {QString(good).replace(" -m s", " -x s")}, 44},             // unknown option
        {"BeSweet", {BeSweetString(dir.file("fehlt.mp2"), out, log, 224)}, 0},  // missing input
        {"jrdmux", {vcd, "0xc1", out}, 0},                                      // no second audio track
        {"jrdmux", {vcd, "0xbd", out}, 0},                              // private stream without sub-stream
        {"jrdmux", {vcd, "0x42", out}, 0},                              // no such selection
        {"jrdmux", {dir.file("fehlt.mpg"), "0xc0", out}, 0},            // missing source
        {"jrdmux", {vcd, "0xc0"}, 0},                                   // no output named
        {"lkVCDxRip", {"/o", out, "/b", dir.file("fehlt.bin")}, 0},     // missing image
        {"lkVCDxRip", {"/o", out, "/b", notAnImage}, 0},                // an MPEG file, not a disc image
        {"lkVCDxRip", {"/o", out, "/n", dir.file("fehlt.nrg")}, 0},     // missing Nero image
        {"lkVCDxRip", {"/o", out, "/c", "9,9,9", "/d", "GENERIC"}, 0},  // no drive at that address
        {"lkVCDxRip", {"/b", notAnImage}, 0},                           // no output folder
    };
    for (const auto& c : cases) {
        int code = -1;
        MediaCheck::Run(Adapter(c.helper), c.arguments, &code);
        const std::string call = c.helper + (" " + c.arguments.join(' ')).toStdString();
        EXPECT_TRUE(c.code ? code == c.code : code > 0 && code != 44) << call << ": " << code;
        EXPECT_FALSE(QFileInfo(out).isFile() || QFileInfo::exists(out + "/mpegav/avseq01.mpg")) << call;
    }
    EXPECT_TRUE(FileBytes(log).contains("failed")) << "BeSweet says why";
}

}  // namespace
