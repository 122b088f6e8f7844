#include <QRegularExpression>

#include "base/Format.h"
#include "base/FreeSpace.h"
#include "pipeline/RunSupport.h"
#include "pipeline/StepConfirm.h"
#include "support/FakeRunContext.h"
#include "support/TestSupport.h"

namespace {

const QString kRule = "-----------------------------";
const QString kAbort = "Abbruch:   Abbruch durch den Anwender.";
const QRegularExpression kSpaceLine(
    QStringLiteral("^Speicher:  /\\S* \\d{1,3}(\\.\\d{3})* MB von \\d{1,3}(\\.\\d{3})* MB frei\\.$"));

// Add, append, indent, replace; progress replaces everything after the first dots.
TEST(WriteLog, ModesActOnTheLastLine) {
    MemoryLog log;
    const std::pair<LogMode, const char*> writes[] = {{lmAdd, "Datei:     a.mpg"}, {lmAppend, "...OK."},
                                                      {lmIndent, "... gefunden."}, {lmAdd, ""},
                                                      {lmReplace, "neu"},          {lmAdd, "b.mpg...10%"},
                                                      {lmProgress, "20%"},         {lmAdd, "x...y...z"},
                                                      {lmProgress, "w"},           {lmAdd, "ohne"},
                                                      {lmProgress, "OK"}};
    for (const auto& [mode, text] : writes)
        WriteLog(log, mode, QString::fromUtf8(text));
    EXPECT_EQ(log.lines(), (QStringList{"Datei:     a.mpg...OK.", "           ... gefunden.", "neu",
                                        "b.mpg...20%", "x...w", "ohne...OK"}));
}

TEST(ConfirmStep, AsksOnlyWithSingleStepConfirmation) {
    MemoryLog log;
    ScriptedDialogs dialogs;
    EXPECT_EQ(ConfirmStep(log, dialogs, false, "Authoring"), Outcome::Done);
    EXPECT_TRUE(log.lineCount() == 0 && dialogs.take().isEmpty());

    dialogs.answer("yes");
    EXPECT_EQ(ConfirmStep(log, dialogs, true, "Authoring"), Outcome::Done);
    EXPECT_EQ(dialogs.takeTexts(),
              QStringList{QStringLiteral("Der Schritt \"Authoring\" soll ausgeführt werden.\rAusführen?")});
    EXPECT_EQ(log.lines().join('\n').mid(8), " - Einzelschrittbestätigung\n" + kRule);  // after the time

    dialogs.answer("no");
    EXPECT_EQ(ConfirmStep(log, dialogs, true, "Audio Upmix"), Outcome::Aborted);
    EXPECT_EQ(log.lastLine(), kAbort);
    dialogs.answer("cancel");  // closed without an answer
    EXPECT_EQ(ConfirmStep(log, dialogs, true, "Audio Upmix"), Outcome::Failed);
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
    dialogs.answer("no");
    EXPECT_EQ(SpaceFor(log, dialogs, dir.path(), tooMuch), Outcome::Done);
    EXPECT_EQ(log.lastLine(), "Warnung:   Der zur Verfügung stehende Speicherplatz reicht nicht aus.");
    EXPECT_EQ(dialogs.takeTexts(),
              QStringList{QStringLiteral("Der zur Verfügung stehende Speicherplatz reicht für"
                                         "\r\ndiesen Vorgang nicht aus. Vorgang abbrechen?")});
    dialogs.answer("yes");
    EXPECT_EQ(SpaceFor(log, dialogs, dir.path(), tooMuch), Outcome::Aborted);
    EXPECT_EQ(log.lines().mid(log.lineCount() - 2), (QStringList{kRule, kAbort}));
    dialogs.take();
}

TEST(Format, SizesAreGermanWholeNumbers) {
    EXPECT_EQ((QStringList{FormatWhole(1234567.4), FormatWhole(0.5), SecondsToClock(3725),
                           SecondsToClock(360000), FormatSize("Größe:     Tatsächlich %1.0n MB", 2047.6)}),
              (QStringList{"1.234.567", "1", "01:02:05", "100:00:00", "Größe:     Tatsächlich 2.048 MB"}));
}

}  // namespace
