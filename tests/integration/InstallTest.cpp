#include "support/MediaCheck.h"
#include "support/TestMedia.h"
#include "support/TestSupport.h"

namespace {

// The program installed into a staging folder converts a saved project from the
// command line, without a display, from a read-only installation: it finds its
// helpers and menus beside itself and keeps its own files in the user's folders.
TEST(InstallTest, InstalledProgramConvertsAProjectFromTheCommandLine) {
    TempFolder root;
    const QString usr = root.file("dest/usr");
    int code = -1;
    MediaCheck::Run(
        "env", {"DESTDIR=" + root.file("dest"), TAV_CMAKE, "--install", TAV_PROGRAM_DIR, "--prefix", "/usr"},
        &code);
    ASSERT_EQ(code, 0);
    const QString id = "/org.example.tavrolin";
    MediaCheck::Run(
        "sh",
        {"-c", "desktop-file-validate $0 && appstreamcli validate --no-net $1",
         usr + "/share/applications" + id + ".desktop", usr + "/share/metainfo" + id + ".metainfo.xml"},
        &code);
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(QFile::exists(usr + "/share/icons/hicolor/scalable/apps/org.example.tavrolin.svg"));

    // A project with a main menu whose stored menu file is gone; a setting of the user's.
    const QString project = root.file("Film.tvpr");
    MediaCheck::Run(TAV_TOOL_DIR "/tavrolin-driver",
                    {"--program-dir", root.file("p"), "--add", TestMedia::Vcd(), "--click", "RaVar1", "--set",
                     "ChImage=1", "--save", project});
    ASSERT_TRUE(QFile::remove(root.file("p/menue")));
    root.write("config/tavrolin/tavrolin.ini", "[Allgemein]\r\nTemporär=2\r\n");
    MediaCheck::Run("chmod", {"-R", "a-w", root.file("dest")});
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
    EXPECT_TRUE(MediaCheck::Run("lsdvd", {root.file("p/Dvd")}).contains("Title: 01"));
    EXPECT_TRUE(MediaCheck::Run("lsdvd", {root.file("p/Meine_DVD.iso")}).contains("Title: 01"));

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
