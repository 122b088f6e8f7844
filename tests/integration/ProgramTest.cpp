// The program as a process: the headless driver a developer (or a benchmark)
// uses, the resume proof run through it, and the installed program.

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>
#include <csignal>

#include "support/MediaCheck.h"
#include "support/TestMedia.h"
#include "support/TestSupport.h"

namespace {

const QString kDriver = TAV_TOOL_DIR "/tavrolin-driver";

QString Drive(const QString& folder, const QStringList& actions, int* code = nullptr) {
    return MediaCheck::Run(kDriver, QStringList{"--program-dir", folder} + actions, code);
}

// Tools never outlive what started them: the program killed or asked to end (SIGTERM,
// which ends the run through its end block), or a burner helper killed by the program.
TEST(Processes, ToolsDieWithWhatStartedThem) {
    const auto until = [](const std::function<bool()>& condition) {
        for (QDeadlineTimer deadline(20000); !condition() && !deadline.hasExpired();)
            QThread::msleep(10);
        return condition();
    };
    const TempFolder dir;
    const QString pid = dir.file("tool.pid");
    // A stand-in for mpgtx and growisofs that stays until it is killed.
    const QByteArray tool =
        "#!/bin/sh\ncase \"$1\" in -d|-dvd-compat) echo $$ > '" + pid.toUtf8() + "'; exec sleep 60;; esac\n";
    dir.executable("bin/growisofs", tool);
    dir.write("tavrolin.ini", "[Allgemein]\nmpgtx=" + dir.executable("mpgtx", tool).toUtf8() + "\n");
    dir.write("ImgTool.ini", "[ImgTool]\nDevice: " + dir.write("Laufwerk", "").toUtf8() + "\n");
    QFile::copy(TAV_TOOL_DIR "/ImgTool", dir.file("ImgTool"));
    const QStringList run{"--program-dir", dir.path(), "--add", TestMedia::Vcd(), "--start"};
    const std::tuple<QString, QStringList, int> cases[] = {
        {kDriver, run, SIGKILL},
        {kDriver, run, SIGTERM},
        {dir.file("ImgTool"), {"-d", TestMedia::DvdFolder(), "-v", "X"}, SIGKILL}};
    for (const auto& [program, arguments, signal] : cases) {
        QFile::remove(pid);
        QProcess parent;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PATH", dir.file("bin:") + env.value("PATH"));
        parent.setProcessEnvironment(env);
        parent.start(program, arguments);
        ASSERT_TRUE(until([&] { return !FileBytes(pid).trimmed().isEmpty(); })) << program.toStdString();
        const QString stat = "/proc/" + FileBytes(pid).trimmed() + "/stat";
        ::kill(static_cast<pid_t>(parent.processId()), signal);
        EXPECT_TRUE(parent.waitForFinished(20000)) << signal;
        EXPECT_TRUE(until([&] { return !FileBytes(stat).contains(") S "); }))
            << program.toStdString() << " " << signal << ": the tool outlived it";
    }
    const QString log = QString::fromUtf8(FileBytes(dir.file("tavrolin.log")));
    EXPECT_TRUE(log.contains("Abbruch:   Abbruch durch den Anwender.\r\n-----") && log.contains("Ende:"));
}

// The resume proof: a run of two sources (the first with two audio tracks, temporary
// files deleted at once), interrupted once at each unit of work - "Abbrechen" answered
// Yes, or the program killed - and resumed from its backup, gives the VOBs of an
// uninterrupted run byte for byte.
QStringList Vobs(const QString& folder) {
    QStringList vobs;
    for (const QFileInfo& vob : QDir(folder + "/Dvd/VIDEO_TS").entryInfoList({"*.VOB"}))
        vobs << vob.fileName() + ' ' +
                    QCryptographicHash::hash(FileBytes(vob.filePath()), QCryptographicHash::Sha1).toHex();
    return vobs;
}

QStringList Sources() {
    return {"--set", "CoTempo=0",      "--add", TestMedia::SvcdTwoTracks(),
            "--add", TestMedia::Vcd(), "--set", "ChImage=1"};
}

// The VOBs of an uninterrupted run, made once for the program and helper as built.
QStringList Uninterrupted() {
    QCryptographicHash key(QCryptographicHash::Sha1);
    for (const char* program : {"tavrolin-driver", "BeSweet"})
        key.addData(FileBytes(TAV_TOOL_DIR + QStringLiteral("/") + program));
    const QString vobs = TestMedia::Once("resume-" + key.result().toHex() + ".txt", [](const QString& file) {
        const TempFolder folder;
        Drive(folder.path(), Sources() + QStringList{"--start"});
        const QStringList made = Vobs(folder.path());
        return made.size() == 2 && !folder.write(file, made.join('\n').toUtf8()).isEmpty();
    });
    return QString::fromUtf8(FileBytes(vobs)).split('\n');
}

// A unit and the tool run, counted from 1, interrupted in it: mpgtx -version and -d per
// source, BeSweet per track, mplex per source, dvdauthor, mkisofs -version and the image.
using Unit = std::pair<const char*, int>;
const Unit kUnits[] = {{"101", 2}, {"102", 4}, {"201", 5},  {"201Track2", 6}, {"202", 7},
                       {"301", 8}, {"302", 9}, {"401", 10}, {"501", 12}};

class ResumeProof : public ::testing::TestWithParam<std::tuple<Unit, const char*>> {};

TEST_P(ResumeProof, GivesTheVobsOfAnUninterruptedRun) {
    const QStringList uninterrupted = Uninterrupted();
    ASSERT_EQ(uninterrupted.size(), 2) << "two title sets";
    const auto& [unit, how] = GetParam();
    TempFolder folder;
    int code = -1;
    Drive(folder.path(),
          Sources() + QStringList{"--interrupt", how + QStringLiteral(":%1").arg(unit.second), "--start"},
          &code);
    ASSERT_NE(code, 0) << "the run was interrupted";
    const QString out =
        Drive(folder.path(), {"--set", "CoTempo=0", "--resume", folder.file("Projekt-Temp.tvpr"), "--start"},
              &code);
    EXPECT_EQ(code, 0) << out.toStdString();
    EXPECT_EQ(Vobs(folder.path()), uninterrupted);
}

INSTANTIATE_TEST_SUITE_P(EveryUnit, ResumeProof,
                         ::testing::Combine(::testing::ValuesIn(kUnits), ::testing::Values("abort", "kill")),
                         [](const auto& info) {
                             return std::get<1>(info.param) + std::string("At") +
                                    std::get<0>(info.param).first;
                         });

// The program installed into a staging folder converts a saved project from the
// command line, without a display, from a read-only installation: it finds its
// helpers and menus beside itself, keeps its own files in the user's folders and
// the project's DVD folder where the project says.
TEST(InstallTest, InstalledProgramConvertsAProjectFromTheCommandLine) {
    TempFolder root;
    const QString usr = root.file("dest/usr");
    ASSERT_TRUE(MediaCheck::Runs("env", {"DESTDIR=" + root.file("dest"), TAV_CMAKE, "--install",
                                         TAV_PROGRAM_DIR, "--prefix", "/usr"}));
    const QString id = "/org.example.tavrolin";
    EXPECT_TRUE(MediaCheck::Runs("sh", {"-c", "desktop-file-validate $0 && appstreamcli validate --no-net $1",
                                        usr + "/share/applications" + id + ".desktop",
                                        usr + "/share/metainfo" + id + ".metainfo.xml"}));
    EXPECT_TRUE(QFile::exists(usr + "/share/icons/hicolor/scalable/apps/org.example.tavrolin.svg"));

    // A project, saved by the driver, with a main menu whose stored menu file is gone; a setting of the
    // user's.
    const QString project = root.file("Film.tvpr");
    const QString driven =
        Drive(root.file("p"), {"--answer", "cancel", "--click", "BuArbeitDir", "--add", TestMedia::Vcd(),
                               "--click", "RaVar1", "--set", "ChImage=1", "--save", project});
    for (const char* dialog : {"Arbeits-Verzeichnis auswählen:", "Hinzufügen von MPEG-Dateien"})
        EXPECT_TRUE(driven.contains(QStringLiteral("DIALOG: ") + QString::fromUtf8(dialog)))
            << driven.toStdString();
    ASSERT_TRUE(QFile::remove(root.file("p/menue")));
    root.write("config/tavrolin/tavrolin.ini", "[Allgemein]\r\nTemporär=2\r\n");
    MediaCheck::Run("chmod", {"-R", "a-w", root.file("dest")});
    int code = -1;
    const auto convert = [&](const QStringList& arguments) {
        return MediaCheck::Run(
            "env",
            QStringList{"-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM",
                        "XDG_CONFIG_HOME=" + root.file("config"), "XDG_STATE_HOME=" + root.file("state"),
                        "HOME=" + root.file("home"), usr + "/bin/tavrolin", "--convert"} +
                arguments,
            &code);
    };
    const QString out = convert({project});
    EXPECT_EQ(code, 0) << out.toStdString();
    EXPECT_TRUE(out.contains("- Temporäre Dateien nicht löschen.\n"));
    EXPECT_TRUE(out.contains("jrDMUX:    " + usr + "/lib/tavrolin/jrdmux\n"));
    EXPECT_TRUE(out.contains(QStringLiteral("Hauptmenü: ") + usr + "/share/tavrolin/menue/dummymenu.vob\n"));
    const QString log = QString::fromUtf8(FileBytes(root.file("state/tavrolin/tavrolin.log")));
    EXPECT_TRUE(log.endsWith("\r\n") && out.contains(QString(log).replace("\r\n", "\n")))
        << "the log, as it grew";
    EXPECT_TRUE(QFile::exists(root.file("state/tavrolin/Projekt-Temp.tvpr")));
    for (const char* target : {"p/Dvd", "p/Meine_DVD.iso"})
        EXPECT_TRUE(MediaCheck::Run("lsdvd", {root.file(target)}).contains("Title: 01")) << target;

    // A later stage by name; a stage or a project that does not exist.
    EXPECT_TRUE(
        convert({project, "--start-at", "image erstellen"}).contains("- Beginne mit Image erstellen\n"));
    EXPECT_EQ(code, 0);
    convert({project, "--start-at", "Brennen"});
    EXPECT_EQ(code, 1);
    convert({root.file("fehlt.tvpr")});
    EXPECT_EQ(code, 1);
    EXPECT_EQ(MediaCheck::Run("find", {root.file("dest"), "-newer", project}), QString())
        << "nothing written there";
    MediaCheck::Run("chmod", {"-R", "u+w", root.file("dest")});
}

}  // namespace
