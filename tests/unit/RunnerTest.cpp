#include <QDeadlineTimer>
#include <QThread>

#include "base/ProcessRunner.h"
#include "support/FakeRunContext.h"
#include "support/TestSupport.h"

namespace {

class RunnerTest : public ::testing::Test {
  protected:
    // Writes an executable shell script and returns its path.
    QString tool(const QString& name, const QByteArray& body) {
        return dir.executable(name, "#!/bin/sh\n" + body + "\n");
    }
    ToolCall call(const QString& program, const QStringList& arguments = {}) {
        ToolCall c;
        c.program = program;
        c.arguments = arguments;
        c.paramsText = arguments.join(QLatin1Char(' '));
        return c;
    }
    TempFolder dir;
    MemoryLog log;
    RecordingProgress gauge;
    int priority = 2;
    ProcessRunner runner{log, gauge, [this] { return priority; }};
};

TEST_F(RunnerTest, SplitsLinesAtCrLfAndLfAndReplacesAtLoneCr) {
    log.addLine(QStringLiteral("Befehl:    x"));
    const QString program = tool("lines.sh", "printf 'eins\\r\\nzwei\\nvorher\\n'; printf 'p1\\rp2\\rp3\\r'");
    EXPECT_TRUE(runner.RunToolPiped(call(program)));
    EXPECT_EQ(log.lines(), (QStringList{"Befehl:    x", "eins", "zwei", "p3"}));
}

TEST_F(RunnerTest, CrAtTheEndOfOneReadIsALoneCrEvenWhenLfFollows) {
    const QString marker = dir.file("go");
    const QString program = tool("split.sh", "printf 'a\\nb\\rc\\r'; while [ ! -e '" + marker.toUtf8() +
                                                 "' ]; do sleep 0.01; done; printf '\\n'");
    WhenTrue([&] { return log.lastLine() == "c"; }, [&] { QFile(marker).open(QIODevice::WriteOnly); });
    EXPECT_TRUE(runner.RunToolPiped(call(program)));
    EXPECT_EQ(log.lines(), (QStringList{"c", ""}));
}

TEST_F(RunnerTest, OutputWithoutFinalLineBreakIsLoggedAtTheEnd) {
    const QString program = tool("tail.sh", "printf 'erste\\nohne Ende'; exit 1");
    EXPECT_FALSE(runner.RunToolPiped(call(program)));
    // The exit message comes before the pending rest.
    EXPECT_EQ(
        log.lines(),
        (QStringList{"erste", "           Der Vorgang wurde wegen eines Fehlers abgebrochen.", "ohne Ende"}));
}

TEST_F(RunnerTest, OutputWithoutLineBreaksIsCutInto64KiBLines) {
    EXPECT_TRUE(runner.RunToolPiped(call(tool("long.sh", "head -c 204800 /dev/zero | tr '\\000' x"))));
    const QString full(65536, 'x');
    EXPECT_EQ(log.lines(), (QStringList{full, full, full, QString(8192, 'x')}));
}

TEST_F(RunnerTest, SkipsNulBytesAndReadsLatin1WhenNotUtf8) {
    const QString program =
        tool("bytes.sh", "printf 'a\\000b\\n'; printf 'Gr\\374\\337e\\n'; printf 'Grüße\\n'");
    EXPECT_TRUE(runner.RunToolPiped(call(program)));
    EXPECT_EQ(log.lines(), (QStringList{"ab", QStringLiteral("Grüße"), QStringLiteral("Grüße")}));
}

TEST_F(RunnerTest, MapsExitCodesToTheirMessages) {
    const struct {
        int code;
        const char* text;
    } cases[] = {{1, "Der Vorgang wurde wegen eines Fehlers abgebrochen."},
                 {2, "Der Vorgang wurde abgebrochen."},
                 {28, "Nicht genügend Speicherplatz vorhanden."},
                 {44, "Die BeSweet-Befehlszeile enthält Fehler."},
                 {7, "Es ist ein unbekannter Fehler 7 aufgetreten."}};
    for (const auto& c : cases) {
        log.clear();
        const QString program =
            tool(QStringLiteral("exit%1.sh").arg(c.code), "exit " + QByteArray::number(c.code));
        EXPECT_FALSE(runner.RunToolPiped(call(program))) << c.code;
        EXPECT_EQ(log.lines(), QStringList{Indent() + QString::fromUtf8(c.text)}) << c.code;
        log.clear();
        EXPECT_FALSE(runner.RunTool(call(program))) << c.code;
        EXPECT_EQ(log.lines().last(), Indent() + QString::fromUtf8(c.text)) << c.code;
    }
    log.clear();
    EXPECT_TRUE(runner.RunToolPiped(call(tool("ok.sh", "exit 0"))));
    EXPECT_TRUE(log.lines().isEmpty());
}

TEST_F(RunnerTest, ASignalNotSentByKillToolIsAnUnknownError) {
    EXPECT_FALSE(runner.RunToolPiped(call(tool("term.sh", "kill -TERM $$"))));
    EXPECT_EQ(log.lines(),
              QStringList{Indent() + QStringLiteral("Es ist ein unbekannter Fehler 143 aufgetreten.")});
}

TEST_F(RunnerTest, AProgramThatCannotStart) {
    EXPECT_FALSE(runner.RunToolPiped(call(dir.file("fehlt"))));
    ASSERT_EQ(log.lineCount(), 1);
    const QString error = log.lastLine();
    EXPECT_TRUE(error.startsWith(QStringLiteral("Fehler:    "))) << error.toStdString();
    log.clear();
    ToolCall missing = call(dir.file("fehlt"), {"-a"});
    EXPECT_FALSE(runner.RunTool(missing));
    EXPECT_EQ(log.lines(), (QStringList{"Befehl:    \"" + dir.file("fehlt") + "\" -a", error}));
}

TEST_F(RunnerTest, PathsAndArgumentsArriveIntactWithoutAShell) {
    const QString program =
        tool(QStringLiteral("mein tool & \"ä\".sh"), "for a in \"$@\"; do printf '<%s>\\n' \"$a\"; done");
    const QStringList arguments{QStringLiteral("/tmp/a b/Grüße & \"x\".mpg"), QStringLiteral("$HOME;`id`"),
                                QString()};
    EXPECT_TRUE(runner.RunToolPiped(call(program, arguments)));
    EXPECT_EQ(log.lines(),
              (QStringList{QStringLiteral("</tmp/a b/Grüße & \"x\".mpg>"), "<$HOME;`id`>", "<>"}));
}

TEST_F(RunnerTest, StandardInputIsClosedAndEnvironmentAdded) {
    ToolCall c =
        call(tool("stdin.sh", "if read x; then echo got; else echo eof; fi; echo \"$VIDEO_FORMAT\""));
    c.environment = {QStringLiteral("VIDEO_FORMAT=PAL")};
    EXPECT_TRUE(runner.RunToolPiped(c));
    EXPECT_EQ(log.lines(), (QStringList{"eof", "PAL"}));
}

TEST_F(RunnerTest, KillToolEndsTheToolAndItsChildrenAndReportsSuccess) {
    const QString pidFile = dir.file("child.pid");
    const QString program =
        tool("slow.sh", "sleep 60 & echo $! > '" + pidFile.toUtf8() + "'; echo gestartet; wait");
    WhenTrue([&] { return log.lastLine() == "gestartet"; }, [&] { EXPECT_TRUE(runner.KillTool()); });
    EXPECT_TRUE(runner.RunToolPiped(call(program)));
    EXPECT_TRUE(runner.lastRunKilled());
    EXPECT_FALSE(runner.isRunning());
    QFile file(pidFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray child = file.readAll().trimmed();
    // The signal reaches the child asynchronously: wait (bounded) until it is gone or a zombie.
    const QString stat = QStringLiteral("/proc/") + QString::fromLatin1(child) + QStringLiteral("/stat");
    QDeadlineTimer deadline(10000);
    bool ended = false;
    while (!ended && !deadline.hasExpired()) {
        QFile status(stat);
        ended = !status.open(QIODevice::ReadOnly) || status.readAll().contains(") Z ");
        if (!ended) QThread::msleep(5);
    }
    EXPECT_TRUE(ended) << "the tool's child outlived the kill";
    EXPECT_FALSE(runner.KillTool()) << "nothing runs any more";
}

TEST_F(RunnerTest, AppliesTheChosenPriorityInTheChild) {
    const QString program = tool("nice.sh", "cut -d' ' -f19 /proc/$$/stat");
    for (int index : {0, 1, 2}) {
        log.clear();
        priority = index;
        EXPECT_TRUE(runner.RunToolPiped(call(program)));
        EXPECT_EQ(log.lastLine().toInt(), ProcessRunner::NiceValue(index)) << index;
    }
    EXPECT_EQ(ProcessRunner::NiceValue(4), -10);
    EXPECT_EQ(ProcessRunner::NiceValue(-1), 0);
    EXPECT_EQ(ProcessRunner::NiceValue(5), 0);
}

TEST_F(RunnerTest, GaugeFollowsTheWatchFile) {
    const QString output = dir.file("out.bin");
    ToolCall c = call(tool("grow.sh", "head -c 10240 /dev/zero > '" + output.toUtf8() + "'"));
    c.watchFile = output;
    EXPECT_TRUE(runner.RunTool(c));
    EXPECT_EQ(gauge.position, 10);
}

}  // namespace
