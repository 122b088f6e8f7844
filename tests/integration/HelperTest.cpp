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

// Every DVD bitrate from (S)VCD audio; 0 stands for 5.1 AC-3 at 192 kbit/s.
class BeSweetBitrate : public ::testing::TestWithParam<int> {};

TEST_P(BeSweetBitrate, Makes48kHzStereoMp2AtTheBitrate) {
    const int bitrate = GetParam() ? GetParam() : 192;
    const QString input = GetParam() ? VcdAudio() : TestMedia::Ac3Track(1);
    const TempFolder dir;
    const QString output = dir.file("svcd-1-0-48.mp2"), again = dir.file("nochmal.mp2");
    for (const QString& file : {output, again})
        ExpectRuns(Adapter("BeSweet"), {BeSweetString(input, file, dir.file("besweet.log"), bitrate)});

    // "mp3" is ffprobe's name for a file of MPEG audio.
    EXPECT_EQ(MediaCheck::Probe(output, "stream=codec_name,sample_rate,channels,bit_rate:format=format_name"),
              QStringLiteral("mp2,48000,2,%1\nmp3").arg(bitrate * 1000));
    // twolame writes the CRC asked for with -e; it refuses 80 kbit/s stereo,
    // which ffmpeg's own encoder then makes without one.
    EXPECT_EQ(HasCrc(FileBytes(output)), bitrate != 80);
    EXPECT_EQ(FileBytes(again), FileBytes(output)) << "a second run writes the same bytes";
}

INSTANTIATE_TEST_SUITE_P(AllDvdBitrates, BeSweetBitrate,
                         ::testing::Values(64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0));

TEST(BeSweet, ReadsTheStringWholeOrSplitAtBlanksAndWritesItsLog) {
    const TempFolder dir;
    const QString input = dir.write("Ton & Bild ä/mein ton & mehr.mp2", FileBytes(VcdAudio()));
    const QString log = dir.file("Ton & Bild ä/besweet.log");
    for (const bool split : {false, true}) {
        const QString output = dir.file(split ? "Ton & Bild ä/geteilt 48.mp2" : "Ton & Bild ä/ganz 48.mp2");
        const QString text = BeSweetString(input, output, log, 224);
        QFile::remove(log);

        ExpectRuns(Adapter("BeSweet"), split ? text.split(' ') : QStringList{text});

        EXPECT_EQ(MediaCheck::Probe(output, "stream=bit_rate"), QStringLiteral("224000"));
        const QString written = QString::fromUtf8(FileBytes(log));
        for (const QString& part : {input, output, QStringLiteral("224 kbit/s"), QStringLiteral("OK")})
            EXPECT_TRUE(written.contains(part)) << written.toStdString();
    }
}

TEST(BeSweet, UnreadableStringsGiveExitCode44AndAMissingInputAnotherFailure) {
    const TempFolder dir;
    const QString input = VcdAudio(), output = dir.file("out.mp2"), log = dir.file("besweet.log");
    const QString good = BeSweetString(input, output, log, 224);
    const QStringList broken{
        QString(),
        QStringLiteral("-core( -input \"%1\" )").arg(input),  // no output, no bitrate
        QString(good).replace(" -b 224", " -b 100"),          // no such bitrate
        QString(good).replace(" -b 224", " -b"),              // bitrate missing
        QString(good).replace("-shibatch(", "-ssrc("),        // unknown section
        QString(good).replace(" -e )", " -e"),                // section not closed
        QString(good).replace("-output \"", "-output "),      // quote left open
        QString(good).replace(" -m s", " -x s"),              // unknown option
    };
    int code = -1;
    for (const QString& text : broken) {
        MediaCheck::Run(Adapter("BeSweet"), text.isEmpty() ? QStringList() : QStringList{text}, &code);
        EXPECT_EQ(code, 44) << text.toStdString();
        EXPECT_FALSE(QFileInfo::exists(output)) << text.toStdString();
    }
    MediaCheck::Run(Adapter("BeSweet"), {BeSweetString(dir.file("fehlt.mp2"), output, log, 224)}, &code);
    EXPECT_TRUE(code > 0 && code != 44) << code << ": the string itself is fine";
    EXPECT_FALSE(QFileInfo::exists(output));
    EXPECT_TRUE(FileBytes(log).contains("failed"));
}

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

TEST(Jrdmux, FailuresLeaveNoOutput) {
    const TempFolder dir;
    const QString source = TestMedia::Vcd(), output = dir.file("out");
    const QList<QStringList> calls{
        {source, "0xc1", output},                 // no second audio track
        {source, "0xbd", output},                 // private stream without sub-stream
        {source, "0x42", output},                 // no such selection
        {dir.file("fehlt.mpg"), "0xc0", output},  // missing source
        {source, "0xc0"},                         // no output named
    };
    for (const QStringList& call : calls) {
        int code = -1;
        MediaCheck::Run(Adapter("jrdmux"), call, &code);
        EXPECT_GT(code, 0) << "failed, not crashed: " << call.join(' ').toStdString();
        EXPECT_FALSE(QFileInfo::exists(output)) << call.join(' ').toStdString();
    }
}

// The helper's own rip of an image is the rip window test's matter.
TEST(VcdRip, NamesVcdxripsVersionAndFailsForWhatItCannotRip) {
    int code = -1;
    const QString version = MediaCheck::Run(Adapter("lkVCDxRip"), {"-version"}, &code);
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(version.contains(QRegularExpression("vcdxrip.* [0-9]+\\.[0-9]+"))) << version.toStdString();

    const TempFolder dir;
    const QString notAnImage = dir.write("kein image.bin", FileBytes(TestMedia::Vcd())),
                  work = dir.file("temp");
    const QList<QStringList> calls{
        {"/o", work, "/b", dir.file("fehlt.bin")},     // missing image
        {"/o", work, "/b", notAnImage},                // an MPEG file, not a disc image
        {"/o", work, "/n", dir.file("fehlt.nrg")},     // missing Nero image
        {"/o", work, "/c", "9,9,9", "/d", "GENERIC"},  // no drive at that address
        {"/b", notAnImage},                            // no output folder
    };
    for (const QStringList& call : calls) {
        MediaCheck::Run(Adapter("lkVCDxRip"), call, &code);
        EXPECT_GT(code, 0) << "failed, not crashed: " << call.join(' ').toStdString();
        EXPECT_FALSE(QFileInfo::exists(work + "/mpegav/avseq01.mpg"));
    }
}

}  // namespace
