#include <QDeadlineTimer>
#include <QThread>

#include "base/ProcessRunner.h"
#include "support/FakeRunContext.h"
#include "support/TestSupport.h"

namespace {

class RunnerTest : public ::testing::Test {
  protected:
    // An executable shell script.
    QString tool(const QString& name, const QByteArray& body) {
        return dir.executable(name, "#!/bin/sh\n" + body + "\n");
    }
    ToolCall call(const QString& program, const QStringList& arguments = {}, const QString& watch = {}) {
        return {program, arguments, arguments.join(' '), watch, {"VIDEO_FORMAT=PAL"}};
    }
    TempFolder dir;
    MemoryLog log;
    RecordingProgress gauge;
    int priority = 2;
    ProcessRunner runner{log, gauge, [this] { return priority; }};
};

// Lines end at CR LF and LF, a lone CR replaces the line; NUL bytes go, Latin-1
// is read when the bytes are no UTF-8; a line without end is cut at 64 KiB, or
// logged after the exit message; paths and arguments arrive as they are, without
// a shell; standard input is closed and the call's environment added.
TEST_F(RunnerTest, OutputBecomesLogLinesAndArgumentsArriveIntact) {
    const QString full(65536, 'x');
    const QString odd = QStringLiteral("/tmp/a b/Grüße & \"x\".mpg");
    const struct {
        QByteArray script;
        QStringList arguments, lines;
    } cases[] = {
        {"printf 'eins\\r\\nzwei\\nvorher\\n'; printf 'p1\\rp2\\rp3\\r'", {}, {"eins", "zwei", "p3"}},
        {"printf 'a\\000b\\n'; printf 'Gr\\374\\337e\\n'; printf 'Grüße\\n'", {}, {"ab", "Grüße", "Grüße"}},
        {"head -c 204800 /dev/zero | tr '\\000' x", {}, {full, full, full, QString(8192, 'x')}},
        {"printf 'erste\\nohne Ende'; exit 1",
         {},
         {"erste", "           Der Vorgang wurde wegen eines Fehlers abgebrochen.", "ohne Ende"}},
        {"for a in \"$@\"; do printf '<%s>\\n' \"$a\"; done",
         {odd, "$HOME;`id`", ""},
         {"<" + odd + ">", "<$HOME;`id`>", "<>"}},
        {"if read x; then echo got; else echo eof; fi; echo \"$VIDEO_FORMAT\"", {}, {"eof", "PAL"}},
    };
    int n = 0;
    for (const auto& c : cases) {
        log.clear();
        runner.RunToolPiped(
            call(tool(QStringLiteral("mein tool & \"ä\" %1.sh").arg(++n), c.script), c.arguments));
        EXPECT_EQ(log.lines(), c.lines) << c.script.constData();
    }
}

TEST_F(RunnerTest, CrAtTheEndOfOneReadIsALoneCrEvenWhenLfFollows) {
    const QString marker = dir.file("go");
    const QString program = tool("split.sh", "printf 'a\\nb\\rc\\r'; while [ ! -e '" + marker.toUtf8() +
                                                 "' ]; do sleep 0.01; done; printf '\\n'");
    WhenTrue([&] { return log.lastLine() == "c"; }, [&] { QFile(marker).open(QIODevice::WriteOnly); });
    EXPECT_TRUE(runner.RunToolPiped(call(program)));
    EXPECT_EQ(log.lines(), (QStringList{"c", ""}));
}

TEST_F(RunnerTest, MapsExitCodesToTheirMessages) {
    const std::pair<const char*, const char*> cases[] = {
        {"exit 1", "Der Vorgang wurde wegen eines Fehlers abgebrochen."},
        {"exit 2", "Der Vorgang wurde abgebrochen."},
        {"exit 28", "Nicht genügend Speicherplatz vorhanden."},
        {"exit 44", "Die BeSweet-Befehlszeile enthält Fehler."},
        {"exit 7", "Es ist ein unbekannter Fehler 7 aufgetreten."},
        {"kill -TERM $$", "Es ist ein unbekannter Fehler 143 aufgetreten."},  // a signal not sent by KillTool
    };
    for (const auto& [script, text] : cases) {
        const QString program = tool(QStringLiteral("exit.sh"), script);
        for (bool piped : {true, false}) {
            log.clear();
            EXPECT_FALSE(piped ? runner.RunToolPiped(call(program)) : runner.RunTool(call(program)))
                << script;
            EXPECT_EQ(log.lines().last(), "           " + QString::fromUtf8(text)) << script;
        }
    }
    log.clear();
    EXPECT_TRUE(runner.RunToolPiped(call(tool("ok.sh", "exit 0"))) && log.lines().isEmpty());
}

TEST_F(RunnerTest, AProgramThatCannotStart) {
    EXPECT_FALSE(runner.RunToolPiped(call(dir.file("fehlt"))));
    const QString error = log.lastLine();
    EXPECT_TRUE(log.lineCount() == 1 && error.startsWith("Fehler:    ")) << error.toStdString();
    log.clear();
    EXPECT_FALSE(runner.RunTool(call(dir.file("fehlt"), {"-a"})));
    EXPECT_EQ(log.lines(), (QStringList{"Befehl:    \"" + dir.file("fehlt") + "\" -a", error}));
}

TEST_F(RunnerTest, KillToolEndsTheToolAndItsChildrenAndReportsSuccess) {
    const QString pidFile = dir.file("child.pid");
    const QString program =
        tool("slow.sh", "sleep 60 & echo $! > '" + pidFile.toUtf8() + "'; echo gestartet; wait");
    WhenTrue([&] { return log.lastLine() == "gestartet"; }, [&] { EXPECT_TRUE(runner.KillTool()); });
    EXPECT_TRUE(runner.RunToolPiped(call(program)));
    EXPECT_TRUE(runner.lastRunKilled() && !runner.isRunning());
    // The signal reaches the child asynchronously: wait (bounded) until it is gone or a zombie.
    const QString stat = "/proc/" + QString::fromLatin1(FileBytes(pidFile).trimmed()) + "/stat";
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

TEST_F(RunnerTest, AppliesTheChosenPriorityAndTheGaugeFollowsTheWatchFile) {
    const QString program = tool("nice.sh", "cut -d' ' -f19 /proc/$$/stat");
    for (int index : {0, 1, 2, -1, 5}) {  // an index out of range leaves the priority as it is
        priority = index;
        EXPECT_TRUE(runner.RunToolPiped(call(program)));
        EXPECT_EQ(log.lastLine().toInt(), ProcessRunner::NiceValue(index)) << index;
    }
    const QString output = dir.file("out.bin");
    EXPECT_TRUE(runner.RunTool(
        call(tool("grow.sh", "head -c 10240 /dev/zero > '" + output.toUtf8() + "'"), {}, output)));
    EXPECT_EQ(gauge.position, 10);
}

}  // namespace
