#include <sys/stat.h>

#include "chapters/ChapterFile.h"
#include "chapters/ChapterMarks.h"
#include "chapters/TimeText.h"
#include "support/TestSupport.h"

// Time texts from frames and seconds are the chapter file and entry point tests' matter.
TEST(TimeText, FramesBackFromTextsAndMarksFromNothing) {
    EXPECT_EQ(TextToFrames(QStringLiteral("99:59:59.999")), 8999999);
    for (qint64 frames : {0, 1, 24, 25, 1499, 1500, 89999, 90000, 8999999})
        EXPECT_EQ(TextToFrames(FramesToText(frames)), frames) << frames;
    // Marks before the limit in stored order are the chapter tab's matter; no marks give no list.
    EXPECT_TRUE(ParseChapters("", "99:00:00.000").isEmpty());
}

// Sorting, spacings that do not divide the film, one part, the largest counts, the
// refusals and reading the fields (blanks, overlong digits) are the chapter tab's
// tests; here the edges.
TEST(ChapterMarks, SpacingAndNumbersAtTheirEdges) {
    EXPECT_EQ(SpacedMarks(SpacingEvery(2400, 600)),
              (QStringList{"00:10:00.000", "00:20:00.000", "00:30:00.000", "00:40:00.000"}))
        << "the last one at the very end";
    // 10 s in 4 parts: parts of 2 s, and the remainder makes one more.
    EXPECT_EQ(SpacedMarks(SpacingEqual(10, 4)),
              (QStringList{"00:00:02.000", "00:00:04.000", "00:00:06.000", "00:00:08.000"}));
    EXPECT_EQ(SpacingEqual(10, 11).step, 0) << "parts shorter than a second";
    qint64 n = 0;
    EXPECT_FALSE(LeadingNumber(QStringLiteral(" 90"), &n) || PositiveNumber(QStringLiteral("-5"), &n));
}

namespace {

class ChapterFileTest : public ::testing::Test {
  protected:
    ChapterFileTest() { record.Datei = folder.write(QStringLiteral("film.mpg"), "x"); }

    QString read() {
        ReadChapterFile(record);
        return record.Kapitel;
    }
    void kapitel(const QByteArray& content) { folder.write("film.Kapitel", content); }
    void txt(const QByteArray& content) { folder.write("film.txt", content); }

    TempFolder folder;
    MPEGInfo record;
};

}  // namespace

// Time texts (unsorted, text after a mark dropped, an empty file clears); frame
// numbers in .txt win; malformed or overlong files, a FIFO or a folder leave the marks.
TEST_F(ChapterFileTest, ReadsTimeTextsAndFrameNumbersAndIgnoresOthersAsAWhole) {
    kapitel("00:10:00.000\r\n00:20:00.000 zweites\r\n00:05:00.000\r\n");
    EXPECT_EQ(read(), "00:10:00.000,00:20:00.000,00:05:00.000");
    kapitel("");
    EXPECT_EQ(read(), QString());
    kapitel("00:10:00.000\n");
    txt("1500\r\n90024");
    EXPECT_EQ(read(), "00:01:00.000,01:00:00.960");
    QFile::remove(folder.file("film.txt"));
    const QByteArray badTimeTexts[] = {"00:10:00.000\n0:20:00.000\n", "00:10:00.000\n\n00:20:00.000\n",
                                       "00:10:00,000\n", "00:10:00.00\n",
                                       "00:10:00.00\u0663\n"};  // Arabic-Indic
    for (const QByteArray& content : badTimeTexts) {
        record.Kapitel = "alt";
        kapitel(content);
        EXPECT_EQ(read(), "alt") << content.constData();
    }
    kapitel("00:10:00.000\n");
    const QByteArray badFrames[] = {"1500\n\n3000\n", "1500\n-3\n", "15 00\n", "1500\n99999999999999999999\n",
                                    "9000000\n",      "1500\nabc\n"};
    for (const QByteArray& content : badFrames) {
        txt(content);
        EXPECT_EQ(read(), "00:10:00.000") << "the .Kapitel marks stay for " << content.constData();
    }
    txt("8999999\n");
    EXPECT_EQ(read(), "99:59:59.960") << "the largest frame number a time text can hold";
    // Files longer than the limit are ignored too.
    QFile::remove(folder.file("film.Kapitel"));
    QByteArray lines;
    for (int i = 1; i <= kMaxChapterLines; ++i)
        lines += QByteArray::number(i * 100) + "\n";
    txt(lines);
    EXPECT_EQ(read().count(','), kMaxChapterLines - 1);
    txt(lines + "99999\n");
    EXPECT_EQ(read().count(','), kMaxChapterLines - 1) << "kept from before";
    record.Kapitel.clear();
    EXPECT_EQ(read(), QString());
    QFile::remove(folder.file("film.txt"));
    ASSERT_EQ(mkfifo(folder.file("film.Kapitel").toLocal8Bit().constData(), 0600), 0);
    QDir().mkpath(folder.file("film.txt"));
    record.Kapitel = "alt";
    EXPECT_EQ(read(), "alt");
}
