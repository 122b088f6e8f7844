// BeSweet reads the upmix step's argument string, in one piece or split at
// blanks, and writes 48 kHz stereo MPEG-1 Layer II at the chosen bitrate.

#include "integration/ToolProcess.h"
#include "support/TestMedia.h"

namespace {

// MPEG-1 Layer II at 44.1 kHz, as a (S)VCD carries it.
QString VcdAudio() {
    return TestMedia::Make(QStringLiteral("vcd-audio.mp2"),
                           {"-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100", "-t", "3", "-ac",
                            "2", "-c:a", "mp2", "-b:a", "224k", "-f", "mp2"});
}

QString ArgumentString(const QString& input, const QString& output, const QString& log, int bitrate) {
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

class BeSweetTest : public ::testing::Test {
  protected:
    QString folder() const { return temp_.path() + QStringLiteral("/Ton & Bild ä"); }
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(folder())); }
    QString path(const QString& name) const { return folder() + QLatin1Char('/') + name; }

    ToolProcess::Result besweet(const QStringList& arguments) const {
        return ToolProcess::Run(ToolProcess::Adapter(QStringLiteral("BeSweet")), arguments);
    }
    ToolProcess::Result besweet(const QString& text) const { return besweet(QStringList{text}); }

    QTemporaryDir temp_;
};

class BeSweetBitrate : public BeSweetTest, public ::testing::WithParamInterface<int> {};

TEST_P(BeSweetBitrate, Makes48kHzStereoMp2AtTheBitrate) {
    const int bitrate = GetParam();
    const QString output = path(QStringLiteral("svcd-1-0-48.mp2"));

    const auto run = besweet(ArgumentString(VcdAudio(), output, path("besweet.log"), bitrate));

    ASSERT_EQ(run.exitCode, 0) << run.output.constData();
    const auto probe = ToolProcess::Probe(output);
    EXPECT_EQ(probe.value("format_format_name"), "mp3") << "ffprobe's name for MPEG audio";
    EXPECT_EQ(probe.value("streams_stream_0_codec_name"), "mp2");
    EXPECT_EQ(probe.value("streams_stream_0_sample_rate"), "48000");
    EXPECT_EQ(probe.value("streams_stream_0_channels"), "2");
    EXPECT_EQ(probe.value("streams_stream_0_bit_rate"), QString::number(bitrate * 1000));
    // twolame writes the CRC asked for with -e; it refuses 80 kbit/s stereo,
    // which ffmpeg's own encoder then makes without one.
    EXPECT_EQ(HasCrc(FileBytes(output)), bitrate != 80);
    // Reproducible: a second run writes the same bytes.
    const QString again = path(QStringLiteral("nochmal.mp2"));
    ASSERT_EQ(besweet(ArgumentString(VcdAudio(), again, path("besweet.log"), bitrate)).exitCode, 0);
    EXPECT_EQ(FileBytes(again), FileBytes(output));
}

INSTANTIATE_TEST_SUITE_P(AllDvdBitrates, BeSweetBitrate,
                         ::testing::Values(64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384));

TEST_F(BeSweetTest, SurroundAc3BecomesStereoMp2) {
    const QString output = path(QStringLiteral("svcd-1-1-48.mp2"));
    const auto run = besweet(ArgumentString(TestMedia::Ac3Track(1), output, path("besweet.log"), 192));

    ASSERT_EQ(run.exitCode, 0) << run.output.constData();
    const auto probe = ToolProcess::Probe(output);
    EXPECT_EQ(probe.value("streams_stream_0_codec_name"), "mp2");
    EXPECT_EQ(probe.value("streams_stream_0_sample_rate"), "48000");
    EXPECT_EQ(probe.value("streams_stream_0_channels"), "2");
    EXPECT_EQ(probe.value("streams_stream_0_bit_rate"), "192000");
}

TEST_F(BeSweetTest, ReadsTheStringWholeOrSplitAtBlanksAndWritesItsLog) {
    const QString input = path(QStringLiteral("mein ton & mehr.mp2"));
    ASSERT_TRUE(QFile::copy(VcdAudio(), input));
    const QString log = path(QStringLiteral("besweet.log"));
    for (const bool split : {false, true}) {
        const QString output = path(split ? "geteilt 48.mp2" : "ganz 48.mp2");
        const QString text = ArgumentString(input, output, log, 224);
        QFile::remove(log);

        const auto run = split ? besweet(text.split(QLatin1Char(' '))) : besweet(text);

        ASSERT_EQ(run.exitCode, 0) << run.output.constData();
        EXPECT_EQ(ToolProcess::Probe(output).value("streams_stream_0_bit_rate"), "224000");
        const QString written = QString::fromUtf8(FileBytes(log));
        EXPECT_TRUE(written.contains(input)) << written.toStdString();
        EXPECT_TRUE(written.contains(output)) << written.toStdString();
        EXPECT_TRUE(written.contains(QStringLiteral("224 kbit/s"))) << written.toStdString();
        EXPECT_TRUE(written.contains(QStringLiteral("OK"))) << written.toStdString();
    }
}

TEST_F(BeSweetTest, UnreadableArgumentStringsGiveExitCode44) {
    const QString input = VcdAudio();
    const QString output = path(QStringLiteral("out.mp2"));
    const QString good = ArgumentString(input, output, path("besweet.log"), 224);
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
    for (const QString& text : broken) {
        const auto run = text.isEmpty() ? besweet(QStringList{}) : besweet(text);
        EXPECT_EQ(run.exitCode, 44) << text.toStdString();
        EXPECT_FALSE(QFileInfo::exists(output)) << text.toStdString();
    }
}

TEST_F(BeSweetTest, MissingInputFailsAndSaysSoInTheLog) {
    const QString output = path(QStringLiteral("out.mp2"));
    const QString log = path(QStringLiteral("besweet.log"));

    const auto run = besweet(ArgumentString(path("fehlt.mp2"), output, log, 224));

    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.exitCode, 44) << "the string itself is fine";
    EXPECT_FALSE(QFileInfo::exists(output));
    EXPECT_TRUE(QString::fromUtf8(FileBytes(log)).contains(QStringLiteral("failed")));
}

}  // namespace
