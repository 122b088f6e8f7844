#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>

#include "support/MediaCheck.h"
#include "support/TestMedia.h"
#include "support/TestSupport.h"

namespace {

// Runs a program with extra environment variables (an empty value removes one);
// returns its standard output, the exit code in *code.
QString RunWith(const QString& program, const QStringList& arguments,
                const QList<QPair<QString, QString>>& variables, int* code) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : variables)
        value.isEmpty() ? environment.remove(name) : environment.insert(name, value);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    process.waitForFinished(300000);
    *code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList Tree(const QString& folder) {
    QStringList entries;
    for (QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        entries << it.next();
    entries.sort();
    return entries;
}

// The program installed into a staging folder converts a saved project from the
// command line, without a display, from a read-only installation: it finds its
// helpers and menus beside itself and keeps its own files in the user's folders.
TEST(InstallTest, InstalledProgramConvertsAProjectFromTheCommandLine) {
    TempFolder root;
    const QString usr = root.file("dest/usr");
    int code = -1;
    RunWith(TAV_CMAKE, {"--install", TAV_PROGRAM_DIR, "--prefix", "/usr"}, {{"DESTDIR", root.file("dest")}},
            &code);
    ASSERT_EQ(code, 0);
    ASSERT_FALSE(QStandardPaths::findExecutable("desktop-file-validate").isEmpty() ||
                 QStandardPaths::findExecutable("appstreamcli").isEmpty());
    const QString desktop = usr + "/share/applications/org.example.tavrolin.desktop";
    EXPECT_EQ(MediaCheck::Run("desktop-file-validate", {desktop}, &code), QString());
    const QString metainfo = usr + "/share/metainfo/org.example.tavrolin.metainfo.xml";
    EXPECT_EQ((MediaCheck::Run("appstreamcli", {"validate", "--no-net", metainfo}, &code), code), 0);
    EXPECT_TRUE(QFile::exists(usr + "/share/icons/hicolor/48x48/apps/org.example.tavrolin.png"));

    // A project with a main menu whose stored menu file is gone.
    const QString project = root.file("Film.tvpr");
    MediaCheck::Run(TAV_TOOL_DIR "/tavrolin-driver",
                    {"--program-dir", root.file("p"), "--add", TestMedia::Vcd(), "--click", "RaVar1", "--set",
                     "ChImage=1", "--save", project});
    ASSERT_TRUE(QFile::remove(root.file("p/menue")));
    root.write("config/tavrolin/tavrolin.ini", "[Allgemein]\r\nTemporär=2\r\n");

    const QStringList installed = Tree(root.file("dest"));
    MediaCheck::Run("chmod", {"-R", "a-w", root.file("dest")});
    const QList<QPair<QString, QString>> user{{"XDG_CONFIG_HOME", root.file("config")},
                                              {"XDG_STATE_HOME", root.file("state")},
                                              {"HOME", root.file("home")},
                                              {"QT_QPA_PLATFORM", ""},
                                              {"DISPLAY", ""},
                                              {"WAYLAND_DISPLAY", ""}};
    const QString tavrolin = usr + "/bin/tavrolin";
    const QString out = RunWith(tavrolin, {"--convert", project}, user, &code);
    EXPECT_EQ(code, 0) << out.toStdString();
    EXPECT_TRUE(out.contains("- Temporäre Dateien nicht löschen.\n")) << "the user's settings";
    EXPECT_TRUE(out.contains("jrDMUX:    " + usr + "/lib/tavrolin/jrdmux\n"));
    EXPECT_TRUE(out.contains(QStringLiteral("Hauptmenü: ") + usr + "/share/tavrolin/menue/dummymenu.vob\n"));
    const QString log = QString::fromUtf8(FileBytes(root.file("state/tavrolin/tavrolin.log")));
    EXPECT_EQ(out, QString(log).replace("\r\n", "\n")) << "standard output carries the log";
    EXPECT_TRUE(QFile::exists(root.file("state/tavrolin/Projekt-Temp.tvpr")));
    EXPECT_TRUE(QFileInfo(root.file("home/Documents/Tavrolin")).isDir());
    EXPECT_TRUE(MediaCheck::Run("lsdvd", {root.file("p/Dvd")}).contains("Title: 01"));
    EXPECT_TRUE(MediaCheck::Run("lsdvd", {root.file("p/Meine_DVD.iso")}).contains("Title: 01"));

    // A later stage by name; a stage or a project that does not exist.
    EXPECT_TRUE(RunWith(tavrolin, {"--convert", project, "--start-at", "image erstellen"}, user, &code)
                    .contains("- Beginne mit Image erstellen\n"));
    EXPECT_EQ(code, 0);
    RunWith(tavrolin, {"--convert", project, "--start-at", "Brennen"}, user, &code);
    EXPECT_EQ(code, 1);
    RunWith(tavrolin, {"--convert", root.file("fehlt.tvpr")}, user, &code);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(Tree(root.file("dest")), installed) << "nothing written into the installation";
    MediaCheck::Run("chmod", {"-R", "u+w", root.file("dest")});
}

}  // namespace
