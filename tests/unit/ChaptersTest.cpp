#include <sys/stat.h>

#include <climits>

#include "chapters/ChapterFile.h"
#include "chapters/ChapterMarks.h"
#include "chapters/TimeText.h"
#include "support/TestSupport.h"

TEST(TimeText, FramesAndSeconds) {
    EXPECT_EQ(FramesToText(90024), QStringLiteral("01:00:00.960"));
    EXPECT_EQ(SecondsToText(3725), QStringLiteral("01:02:05.000"));
    EXPECT_EQ(TextToFrames(QStringLiteral("99:59:59.999")), 8999999);
    for (qint64 frames : {0, 1, 24, 25, 1499, 1500, 89999, 90000, 8999999})
        EXPECT_EQ(TextToFrames(FramesToText(frames)), frames) << frames;
}

TEST(TimeText, SecondsWithCommaTakeTheFractionAsPartOfASecond) {
    EXPECT_EQ(SecondsCommaToText(QStringLiteral("5,48")), QStringLiteral("00:00:05.480"));
    EXPECT_EQ(SecondsCommaToText(QStringLiteral("4,170911")), QStringLiteral("00:00:04.170"));
    EXPECT_EQ(SecondsCommaToText(QStringLiteral("75,")), QStringLiteral("00:01:15.000"));
}

TEST(TimeText, ReplaceChar) {
    EXPECT_EQ(ReplaceChar(QStringLiteral("4.17.3"), '.', ',', true, false), QStringLiteral("4,17.3"));
    EXPECT_EQ(ReplaceChar(QStringLiteral("Abab"), 'a', 'x', false, false), QStringLiteral("Abxb"));
    EXPECT_EQ(ReplaceChar(QStringLiteral("Abab"), 'a', 'x', false, true), QStringLiteral("Xbxb"));
    EXPECT_EQ(ReplaceChar(QStringLiteral("Abab"), 'A', 'x', true, true), QStringLiteral("Xbab"));
}

TEST(TimeText, RecognisesTimeTexts) {
    EXPECT_TRUE(StartsWithTimeText(QStringLiteral("01:02:03.456")));
    EXPECT_TRUE(StartsWithTimeText(QStringLiteral("01:02:03.456 Kapitel")));
    EXPECT_FALSE(StartsWithTimeText(QStringLiteral("1:02:03.456")));
    EXPECT_FALSE(StartsWithTimeText(QStringLiteral("01:02:03,456")));
    EXPECT_FALSE(StartsWithTimeText(QStringLiteral("01-02:03.456")));
    EXPECT_FALSE(StartsWithTimeText(QStringLiteral("01:02:03.45")));
    EXPECT_FALSE(StartsWithTimeText(QString::fromUtf8("01:02:03.45\u0663")));  // Arabic-Indic digit
}

TEST(ParseChapters, KeepsMarksBeforeTheLimitInStoredOrder) {
    const QString marks = QStringLiteral("00:20:00.000,00:10:00.000,00:30:00.000,01:00:00.000");
    EXPECT_EQ(ParseChapters(marks, QStringLiteral("00:30:00.000")),
              (QStringList{"00:20:00.000", "00:10:00.000"}));
    EXPECT_EQ(ParseChapters(marks, QStringLiteral("99:00:00.000")).size(), 4);
    EXPECT_TRUE(ParseChapters(QString(), QStringLiteral("99:00:00.000")).isEmpty());
}

TEST(ChapterMarks, EveryNSecondsAndEqualParts) {
    const QStringList tens{"00:10:00.000", "00:20:00.000", "00:30:00.000", "00:40:00.000"};
    EXPECT_EQ(SpacedMarks(SpacingEvery(2700, 600)), tens);
    EXPECT_EQ(SpacedMarks(SpacingEvery(2400, 600)), tens) << "the last one at the very end";
    EXPECT_TRUE(SpacedMarks(SpacingEvery(2400, 2700)).isEmpty());
    EXPECT_EQ(SpacingEvery(5940, 60).count, 99) << "more than kMaxAutoMarks: the tab refuses";
    EXPECT_EQ(SpacedMarks(SpacingEqual(600, 3)), (QStringList{"00:03:20.000", "00:06:40.000"}));
    EXPECT_TRUE(SpacedMarks(SpacingEqual(600, 1)).isEmpty());
    // 10 s in 4 parts: parts of 2 s, and the remainder makes one more.
    EXPECT_EQ(SpacedMarks(SpacingEqual(10, 4)),
              (QStringList{"00:00:02.000", "00:00:04.000", "00:00:06.000", "00:00:08.000"}));
    EXPECT_EQ(SpacingEqual(10, 11).step, 0) << "parts shorter than a second";
    EXPECT_EQ(SpacingEqual(5940, 99).count, kMaxAutoMarks);
    EXPECT_EQ(SpacingEqual(5940, 100).count, kMaxAutoMarks + 1);
}

TEST(ChapterMarks, AddedMarksAreSortedWithoutDuplicatesAndNumbersAreParsed) {
    EXPECT_EQ(WithMark({"00:09:00.000", "00:09:00.000", "00:00:04.000"}, QStringLiteral("00:00:02.040")),
              (QStringList{"00:00:02.040", "00:00:04.000", "00:09:00.000"}));
    qint64 n = 0;
    EXPECT_TRUE(LeadingNumber(QStringLiteral("90x"), &n) && n == 90);
    EXPECT_TRUE(LeadingNumber(QStringLiteral("99999999999999999999"), &n) && n == INT_MAX);
    EXPECT_FALSE(LeadingNumber(QStringLiteral("x90"), &n) || LeadingNumber(QStringLiteral(" 90"), &n));
    EXPECT_TRUE(PositiveNumber(QStringLiteral(" 10 "), &n) && n == 10);
    for (const char* text : {"0", "abc", "", "-5", "2x"})
        EXPECT_FALSE(PositiveNumber(QLatin1String(text), &n)) << text;
}

namespace {

class ChapterFileTest : public ::testing::Test {
  protected:
    ChapterFileTest() { record.Datei = folder.write(QStringLiteral("film.mpg"), "x"); }

    QString read() {
        ReadChapterFile(record);
        return record.Kapitel;
    }
    void kapitel(const QByteArray& content) { folder.write(QStringLiteral("film.Kapitel"), content); }
    void txt(const QByteArray& content) { folder.write(QStringLiteral("film.txt"), content); }

    TempFolder folder;
    MPEGInfo record;
};

}  // namespace

TEST_F(ChapterFileTest, MissingFilesLeaveTheMarks) {
    record.Kapitel = QStringLiteral("00:00:10.000");
    EXPECT_EQ(read(), QStringLiteral("00:00:10.000"));
    // So do a FIFO and a folder of their names (a FIFO would block the window).
    ASSERT_EQ(mkfifo(folder.file("film.Kapitel").toLocal8Bit().constData(), 0600), 0);
    QDir().mkpath(folder.file("film.txt"));
    EXPECT_EQ(read(), QStringLiteral("00:00:10.000"));
}

TEST_F(ChapterFileTest, ReadsTimeTexts) {
    kapitel("00:10:00.000\r\n00:20:00.000 zweites\r\n00:05:00.000\r\n");
    EXPECT_EQ(read(), QStringLiteral("00:10:00.000,00:20:00.000,00:05:00.000"))
        << "unsorted, text after the mark dropped";
    kapitel("");
    EXPECT_EQ(read(), QString()) << "an empty file clears the marks";
}

TEST_F(ChapterFileTest, FrameNumbersWinOverTimeTexts) {
    kapitel("00:10:00.000\n");
    txt("1500\n3000\n");
    EXPECT_EQ(read(), QStringLiteral("00:01:00.000,00:02:00.000"));
    txt("1500\r\n90024");
    EXPECT_EQ(read(), QStringLiteral("00:01:00.000,01:00:00.960"));
}

TEST_F(ChapterFileTest, MalformedFilesAreIgnoredAsAWhole) {
    const QByteArray badTimeTexts[] = {"00:10:00.000\n0:20:00.000\n", "00:10:00.000\n\n00:20:00.000\n",
                                       "00:10:00,000\n", "00:10:00.00\n"};
    for (const QByteArray& content : badTimeTexts) {
        record.Kapitel = QStringLiteral("alt");
        kapitel(content);
        EXPECT_EQ(read(), QStringLiteral("alt")) << content.constData();
    }
    kapitel("00:10:00.000\n");
    const QByteArray badFrames[] = {"1500\n\n3000\n", "1500\n-3\n", "15 00\n", "1500\n99999999999999999999\n",
                                    "9000000\n",      "1500\nabc\n"};
    for (const QByteArray& content : badFrames) {
        txt(content);
        EXPECT_EQ(read(), QStringLiteral("00:10:00.000"))
            << "the .Kapitel marks stay for " << content.constData();
    }
    txt("8999999\n");
    EXPECT_EQ(read(), QStringLiteral("99:59:59.960")) << "the largest frame number a time text can hold";
}

TEST_F(ChapterFileTest, FilesLongerThanTheLimitAreIgnored) {
    QByteArray lines;
    for (int i = 1; i <= kMaxChapterLines; ++i)
        lines += QByteArray::number(i * 100) + "\n";
    txt(lines);
    EXPECT_EQ(read().split(QLatin1Char(',')).size(), kMaxChapterLines);
    txt(lines + "99999\n");
    EXPECT_EQ(read().split(QLatin1Char(',')).size(), kMaxChapterLines) << "kept from before";
    record.Kapitel.clear();
    EXPECT_EQ(read(), QString());
}
