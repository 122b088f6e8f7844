#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>
#include <csignal>

#include "support/MediaCheck.h"
#include "support/TestMedia.h"
#include "support/TestSupport.h"

namespace {

// The headless driver, as a developer (or a benchmark) uses it.
class DriverTest : public ::testing::Test {
  protected:
    QString drive(const QStringList& actions, int* code) {
        return MediaCheck::Run(QStringLiteral(TAV_TOOL_DIR "/tavrolin-driver"),
                               QStringList{"--program-dir", dir.path()} + actions, code);
    }
    QString read(const QString& name) { return QString::fromUtf8(FileBytes(dir.file(name))); }

    TempFolder dir;
};

TEST_F(DriverTest, SetsClicksAnswersDialogsAndLeavesTheSettings) {
    int code = -1;
    const QString out = drive(
        {"--set", "ChEinzel=1", "--set", "CoTempo=2", "--answer", "cancel", "--click", "BuArbeitDir"}, &code);
    EXPECT_EQ(code, 0);
    const QString ini = read("tavrolin.ini");
    EXPECT_TRUE(ini.startsWith("[Version]\r\n")) << ini.toStdString();
    EXPECT_TRUE(ini.contains("Einzel=1\r\n"));
    EXPECT_TRUE(ini.contains(QStringLiteral("Temporär=2\r\n")));
    EXPECT_TRUE(out.contains(QStringLiteral("DIALOG: Arbeits-Verzeichnis auswählen:"))) << out.toStdString();
}

TEST_F(DriverTest, ConvertsASourceWithoutADisplayAndReportsAFailedRun) {
    int code = -1;
    const QString out = drive({"--add", TestMedia::Vcd(), "--set", "CoTempo=0", "--start"}, &code);
    EXPECT_EQ(code, 0) << out.toStdString();
    EXPECT_TRUE(out.contains("DIALOG: Hinzufügen von MPEG-Dateien")) << out.toStdString();
    EXPECT_TRUE(QFile::exists(dir.file("Dvd/VIDEO_TS/VTS_01_1.VOB")));

    // A run stopped by the user: exit 1 and the log's tail.
    const QString stopped =
        drive({"--add", TestMedia::Vcd(), "--set", "ChEinzel=1", "--answer", "no", "--start"}, &code);
    EXPECT_EQ(code, 1);
    EXPECT_TRUE(stopped.contains(
        QStringLiteral("DIALOG: Der Schritt \"SVCD MPEG Demuxen\" soll ausgeführt werden.")));
    EXPECT_TRUE(stopped.contains("Abbruch:   Abbruch durch den Anwender."));
}

TEST_F(DriverTest, ConvertsASavedProject) {
    int code = -1;
    const QString project = dir.file("Film.tvpr");
    drive({"--add", TestMedia::Svcd(), "--save", project}, &code);
    ASSERT_EQ(code, 0);
    ASSERT_TRUE(QFile::exists(project));

    TempFolder other;
    const QString out = MediaCheck::Run(QStringLiteral(TAV_TOOL_DIR "/tavrolin-driver"),
                                        {"--program-dir", other.path(), "--open", project, "--start"}, &code);
    EXPECT_EQ(code, 0) << out.toStdString();
    // The project brings its folders along.
    EXPECT_TRUE(QFile::exists(dir.file("Dvd/VIDEO_TS/VIDEO_TS.IFO")));
}

// Tools never outlive the program: not when it is killed, and not when it is
// asked to end (SIGTERM), which ends the run through its end block.
TEST_F(DriverTest, ToolsDieWithTheProgram) {
    const auto until = [](const std::function<bool()>& condition) {
        for (QDeadlineTimer deadline(20000); !condition() && !deadline.hasExpired();)
            QThread::msleep(10);
        return condition();
    };
    const QString pidFile = dir.file("tool.pid");
    const QString tool = dir.executable("mpgtx", "#!/bin/sh\n[ \"$1\" = -d ] || exit 0\necho $$ > '" +
                                                     pidFile.toUtf8() + "'\nexec sleep 60\n");
    dir.write("tavrolin.ini", "[Allgemein]\nmpgtx=" + tool.toUtf8() + "\n");
    for (int signal : {SIGKILL, SIGTERM}) {
        QFile::remove(pidFile);
        QProcess driver;
        driver.start(TAV_TOOL_DIR "/tavrolin-driver",
                     {"--program-dir", dir.path(), "--add", TestMedia::Vcd(), "--start"});
        ASSERT_TRUE(until([&] { return !FileBytes(pidFile).trimmed().isEmpty(); })) << signal;
        const QString stat = "/proc/" + FileBytes(pidFile).trimmed() + "/stat";
        ::kill(static_cast<pid_t>(driver.processId()), signal);
        EXPECT_TRUE(driver.waitForFinished(20000)) << signal;
        EXPECT_TRUE(until([&] { return !FileBytes(stat).contains(") S "); }))
            << "the tool outlived the program";
    }
    const QString log = read("tavrolin.log");
    EXPECT_TRUE(log.contains("Abbruch:   Abbruch durch den Anwender.\r\n-----") && log.contains("Ende:"));
}

}  // namespace
