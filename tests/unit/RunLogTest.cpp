#include <QRegularExpression>

#include "base/Format.h"
#include "base/FreeSpace.h"
#include "pipeline/RunLogFile.h"
#include "pipeline/RunSupport.h"
#include "pipeline/StepConfirm.h"
#include "support/FakeRunContext.h"
#include "support/TestSupport.h"

namespace {

const QString kRule = QStringLiteral("-----------------------------");
const QString kAbort = QStringLiteral("Abbruch:   Abbruch durch den Anwender.");
const QRegularExpression kSpaceLine(
    QStringLiteral("^Speicher:  /\\S* \\d{1,3}(\\.\\d{3})* MB von \\d{1,3}(\\.\\d{3})* MB frei\\.$"));

TEST(WriteLog, ModesActOnTheLastLine) {
    MemoryLog log;
    WriteLog(log, lmAdd, QStringLiteral("Datei:     a.mpg"));
    WriteLog(log, lmAppend, QStringLiteral("...OK."));
    WriteLog(log, lmIndent, QStringLiteral("... gefunden."));
    WriteLog(log, lmAdd, QString());
    WriteLog(log, lmReplace, QStringLiteral("neu"));
    EXPECT_EQ(log.lines(), (QStringList{"Datei:     a.mpg...OK.", "           ... gefunden.", "neu"}));
}

TEST(WriteLog, ProgressReplacesEverythingAfterTheFirstDots) {
    MemoryLog log;
    WriteLog(log, lmAdd, QStringLiteral("Datei:     a.mpg...10%"));
    WriteLog(log, lmProgress, QStringLiteral("20%"));
    EXPECT_EQ(log.lastLine(), QStringLiteral("Datei:     a.mpg...20%"));
    WriteLog(log, lmAdd, QStringLiteral("x...y...z"));
    WriteLog(log, lmProgress, QStringLiteral("w"));
    EXPECT_EQ(log.lastLine(), QStringLiteral("x...w"));
    WriteLog(log, lmAdd, QStringLiteral("ohne"));
    WriteLog(log, lmProgress, QStringLiteral("OK"));
    EXPECT_EQ(log.lastLine(), QStringLiteral("ohne...OK"));
}

TEST(ConfirmStep, AsksOnlyWithSingleStepConfirmation) {
    MemoryLog log;
    ScriptedDialogs dialogs;
    EXPECT_EQ(ConfirmStep(log, dialogs, false, QStringLiteral("Authoring")), Outcome::Done);
    EXPECT_EQ(log.lineCount(), 0);
    EXPECT_TRUE(dialogs.take().isEmpty());

    dialogs.answer(QStringLiteral("yes"));
    EXPECT_EQ(ConfirmStep(log, dialogs, true, QStringLiteral("Authoring")), Outcome::Done);
    EXPECT_EQ(dialogs.takeTexts(),
              QStringList{QStringLiteral("Der Schritt \"Authoring\" soll ausgeführt werden.\rAusführen?")});
    ASSERT_EQ(log.lineCount(), 2);
    EXPECT_TRUE(log.lines()[0].endsWith(QStringLiteral(" - Einzelschrittbestätigung")));
    EXPECT_EQ(log.lastLine(), kRule);

    dialogs.answer(QStringLiteral("no"));
    EXPECT_EQ(ConfirmStep(log, dialogs, true, QStringLiteral("Audio Upmix")), Outcome::Aborted);
    EXPECT_EQ(log.lastLine(), kAbort);

    dialogs.answer(QStringLiteral("cancel"));  // closed without an answer
    EXPECT_EQ(ConfirmStep(log, dialogs, true, QStringLiteral("Audio Upmix")), Outcome::Failed);
    EXPECT_EQ(log.lines().mid(log.lineCount() - 2),
              (QStringList{"Fehler:    Bei der Bestätigung des Einzelschritts ist ein Fehler",
                           "           aufgetreten."}));
    dialogs.take();
}

TEST(SpaceFor, ReportsAndAsksOnlyWhenShort) {
    TempFolder dir;
    MemoryLog log;
    ScriptedDialogs dialogs;
    EXPECT_EQ(SpaceFor(log, dialogs, dir.path(), 0), Outcome::Done);
    ASSERT_EQ(log.lineCount(), 1);
    EXPECT_TRUE(kSpaceLine.match(log.lastLine()).hasMatch()) << log.lastLine().toStdString();
    EXPECT_EQ(SpaceFor(log, dialogs, dir.path(), 1), Outcome::Done);
    EXPECT_EQ(log.lineCount(), 2);

    // A folder that does not exist yet is measured at its nearest parent.
    EXPECT_EQ(SpaceFor(log, dialogs, dir.file("neu/tiefer"), 0), Outcome::Done);

    const qint64 tooMuch = qint64(1) << 50;
    dialogs.answer(QStringLiteral("no"));
    EXPECT_EQ(SpaceFor(log, dialogs, dir.path(), tooMuch), Outcome::Done);
    EXPECT_EQ(log.lastLine(),
              QStringLiteral("Warnung:   Der zur Verfügung stehende Speicherplatz reicht nicht aus."));
    EXPECT_EQ(dialogs.takeTexts(),
              QStringList{QStringLiteral("Der zur Verfügung stehende Speicherplatz reicht für"
                                         "\r\ndiesen Vorgang nicht aus. Vorgang abbrechen?")});
    dialogs.answer(QStringLiteral("yes"));
    EXPECT_EQ(SpaceFor(log, dialogs, dir.path(), tooMuch), Outcome::Aborted);
    EXPECT_EQ(log.lines().mid(log.lineCount() - 2), (QStringList{kRule, kAbort}));
    dialogs.take();
}

TEST(Format, SizesAreGermanWholeNumbers) {
    EXPECT_EQ(FormatWhole(1234567.4), QStringLiteral("1.234.567"));
    EXPECT_EQ(FormatWhole(0.5), QStringLiteral("1"));
    EXPECT_EQ(FormatSize(QStringLiteral("Größe:     Tatsächlich %1.0n MB"), 2047.6),
              QStringLiteral("Größe:     Tatsächlich 2.048 MB"));
    EXPECT_EQ(SecondsToClock(3725), QStringLiteral("01:02:05"));
    EXPECT_EQ(SecondsToClock(100 * 3600), QStringLiteral("100:00:00"));
}

TEST(RunLogFile, WholeLogWithCrLfReplacingTheOldFile) {
    TempFolder dir;
    ASSERT_TRUE(SaveRunLog({QStringLiteral("eins"), QString(), QStringLiteral("Größe")}, dir.path()));
    ASSERT_TRUE(SaveRunLog({QStringLiteral("zwei"), QStringLiteral("Größe")}, dir.path()));
    QFile file(RunLogPath(dir.path()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("zwei\r\nGr\xc3\xb6\xc3\x9f"
                                         "e\r\n"));
    EXPECT_FALSE(SaveRunLog({QStringLiteral("x")}, dir.file("fehlt/gar")));
}

TEST(LogRunEnd, WritesTheEndBlockAndReturnsToIdle) {
    TempFolder dir;
    FakeRunContext ctx(dir.path());
    ctx.enterRunning();
    Log(ctx, lmAdd, QStringLiteral("Fehler:    x"));
    LogRunEnd(ctx);
    const QStringList lines = ctx.lines();
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[1], kRule);
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^Ende:      \\d\\d:\\d\\d:\\d\\d$")).match(lines[2]).hasMatch());
    EXPECT_TRUE(kSpaceLine.match(lines[3]).hasMatch()) << lines[3].toStdString();
    EXPECT_EQ(lines[4], QString());
    EXPECT_FALSE(ctx.running);
    QFile file(RunLogPath(dir.path()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("\r\n"), 5);
}

}  // namespace
