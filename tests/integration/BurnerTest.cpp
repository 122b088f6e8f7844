// The burner helpers DVDDecrypter and ImgTool, run against growisofs in dry-run
// mode with a regular file as the device, and against stand-in growisofs
// scripts that record what they were given. Never against a drive.

#include <signal.h>

#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>

#include "pipeline/Brennen.h"
#include "support/FakeRunContext.h"
#include "support/MediaCheck.h"
#include "support/TestMedia.h"
#include "tools/FileVersion.h"

namespace {

const QString kDryRun = QStringLiteral("TAVROLIN_DRY_RUN=1");
const QString kDecrypter = MediaCheck::Adapter("DVDDecrypter");

class BurnerTest : public ::testing::Test {
  protected:
    BurnerTest() { dir.write(device, QByteArray()); }

    // Runs a helper (dry run unless the environment says otherwise); exit code in code.
    QString run(const QString& program, const QStringList& arguments,
                const QStringList& environment = {kDryRun}) {
        return MediaCheck::Run(program, arguments, &code, environment);
    }
    // A growisofs stand-in first on the search path: records its arguments and
    // standard input, then runs the given shell lines. Returns the environment that finds it.
    QStringList fakeGrowisofs(const QString& body) const {
        dir.executable("fake/growisofs",
                       QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1'\ncat > '%2'\n%3\n")
                           .arg(dir.file("arguments"), dir.file("fed"), body)
                           .toUtf8());
        return {"PATH=" + dir.file("fake") + ":" + qEnvironmentVariable("PATH")};
    }
    // ImgTool copied beside its own ImgTool.ini (written as given, naming the device by default).
    QString imgTool(const QByteArray& ini = QByteArray()) const {
        dir.write("Werkzeug ä/ImgTool.ini",
                  ini.isNull() ? "[ImgTool]\nSpeed: 4\nDevice: " + device.toUtf8() + "\nVerify: 0\n" : ini);
        QFile::copy(MediaCheck::Adapter("ImgTool"), dir.file("Werkzeug ä/ImgTool"));
        return dir.file("Werkzeug ä/ImgTool");
    }

    TempFolder dir;
    const QString device = dir.file("Brenner & Laufwerk");
    const QString folder = TestMedia::DvdFolder();
    int code = -1;
};

// Each value one argument, as the program passes them, or the whole string in one. Where
// growisofs shows what it reads, it accepted the image or folder.
TEST_F(BurnerTest, HelpersBurnTheImageOrTheFolderInADryRun) {
    const QString image = dir.write("Meine DVD.iso", FileBytes(TestMedia::DvdImage())), tool = imgTool();
    const QString oneString =
        QStringLiteral("/MODE ISOWRITE /START /CLOSE /SRC \"%1\" /DEST \"%2\" /SPEED \"%3\"");
    const QString toImage = "-Z \"" + device + "=" + image + "\"", read = "builtin_dd if=" + image;
    const QStringList toFolder{
        QStringLiteral("growisofs -dry-run -dvd-compat -Z \"%1\" -dvd-video -V \"Meine DVD\" \"%2\"")
            .arg(device, folder),
        "genisoimage -dvd-video -V Meine DVD " + folder};
    const struct {
        QString program;
        QStringList arguments, shown;
    } cases[] = {
        {kDecrypter,
         {"/MODE", "ISOWRITE", "/START", "/CLOSE", "/ERASE", "/SRC", image, "/DEST", device, "/SPEED", "8x"},
         {"growisofs -dry-run -dvd-compat -speed=8 " + toImage, read}},
        {kDecrypter,
         {oneString.arg(image, device, "Max")},
         {"growisofs -dry-run -dvd-compat " + toImage, read}},
        {kDecrypter, {oneString.arg(image, device, "")}, {"growisofs -dry-run -dvd-compat " + toImage, read}},
        {tool, {QStringLiteral("-d \"%1\" -v \"Meine DVD\"").arg(folder)}, toFolder},
        {tool, {"-d", folder, "-v", "Meine DVD", "-o", "-e", "-l"}, toFolder},
    };
    for (const auto& c : cases) {
        const QString output = run(c.program, c.arguments);
        ASSERT_EQ(code, 0) << output.toStdString();
        for (const QString& shown : c.shown)
            EXPECT_TRUE(output.contains(shown)) << shown.toStdString() << " in\n" << output.toStdString();
        EXPECT_EQ(QFileInfo(device).size(), 0) << "nothing written in a dry run";
        EXPECT_EQ(FileBytes(dir.file("Werkzeug ä/ImgTool.log")).contains("OK"), c.arguments.contains("-l"))
            << "a log only with -l";
        EXPECT_EQ(output.contains("is not ejected"), c.program == tool && !c.arguments.contains("-e"))
            << "ImgTool ejects the disc unless -e keeps it in";
    }
}

TEST_F(BurnerTest, DecrypterFeedsASplitImageWholeAndInOrder) {
    const QByteArray whole = FileBytes(TestMedia::DvdImage());
    MediaCheck::Run("split",
                    {"-b", "600k", "-d", "-a", "2", TestMedia::DvdImage(), dir.file("Meine DVD.iso_")});
    ASSERT_TRUE(QFile::exists(dir.file("Meine DVD.iso_02"))) << "three parts at least";
    const QStringList arguments{"/MODE", "ISOWRITE", "/SRC",   dir.file("Meine DVD.iso_00"),
                                "/DEST", device,     "/SPEED", "4x"};

    const QString dryRun = run(kDecrypter, arguments);
    ASSERT_EQ(code, 0) << dryRun.toStdString();
    EXPECT_TRUE(dryRun.contains("builtin_dd if=/dev/fd/0")) << "growisofs takes the stream";
    const QString recorded = run(kDecrypter, arguments, fakeGrowisofs("exit 0"));
    ASSERT_EQ(code, 0) << recorded.toStdString();
    EXPECT_EQ(FileBytes(dir.file("fed")), whole);
    EXPECT_EQ(QString::fromUtf8(FileBytes(dir.file("arguments"))).split('\n', Qt::SkipEmptyParts),
              QStringList({"-dvd-compat", "-speed=4",
                           QStringLiteral("-use-the-force-luke=tracksize:%1").arg(whole.size() / 2048), "-Z",
                           device + "=/dev/fd/0"}));
}

// The burn step names the drive chosen in the list (here a regular file) in
// ImgTool.ini, as the old name-only line from an earlier version did not.
TEST_F(BurnerTest, TheBurnStepBurnsToTheChosenDrive) {
    FakeRunContext ctx(dir.path());
    ctx.values.tools[Tool::ImgTool] = imgTool("[ImgTool]\nDevice: HL-DT-ST DVDRAM GH24NSD1\n");
    ctx.values.dvdRoot = folder;
    ctx.values.label = QStringLiteral("Meine_DVD");
    ctx.values.burnLog = true;
    ctx.controlState.burnerEnabled = true;
    ctx.controlState.burnerText = device + QStringLiteral(": (1:0:0) HL-DT-ST DVDRAM GH24NSD1");
    qputenv("TAVROLIN_DRY_RUN", "1");
    const bool burned = BurnWithImgTool(ctx);
    qunsetenv("TAVROLIN_DRY_RUN");

    ASSERT_TRUE(burned) << ctx.lines().join('\n').toStdString();
    EXPECT_EQ(FileBytes(dir.file("Werkzeug ä/ImgTool.ini")),
              "[ImgTool]\nDevice: " + device.toUtf8() + " (HL-DT-ST DVDRAM GH24NSD1)\n");
    EXPECT_TRUE(FileBytes(dir.file("Werkzeug ä/ImgTool.log")).contains("-Z \"" + device.toUtf8() + "\""));
}

// A missing input fails; growisofs's own exit code (errno values, 28 is "no space
// left") reaches the program.
TEST_F(BurnerTest, HelpersFailWithoutInputAndPassOnTheBurnersExitCode) {
    const QString image = TestMedia::DvdImage(), tool = imgTool();
    const QList<QStringList> refused{{"/MODE", "ISOWRITE", "/SRC", dir.file("fehlt.iso"), "/DEST", device},
                                     {"/SRC", image, "/DEST", device}};  // no mode
    for (const QStringList& arguments : refused) {
        run(kDecrypter, arguments);
        EXPECT_GT(code, 0) << arguments.join(' ').toStdString();
    }
    run(tool, {"-d", dir.file("fehlt"), "-v", "X"});
    EXPECT_GT(code, 0);
    run(kDecrypter, {"/MODE", "ISOWRITE", "/SRC", image, "/DEST", device}, fakeGrowisofs("exit 28"));
    EXPECT_EQ(code, 28);
    run(tool, {"-d", folder, "-v", "X"}, fakeGrowisofs("exit 5"));
    EXPECT_EQ(code, 5);
}

// The program ends a run by killing the helper; the tool it started must not
// outlive it.
TEST_F(BurnerTest, TheBurnerDiesWithItsHelper) {
    const QString tool = imgTool();
    const QStringList environment =
        fakeGrowisofs(QStringLiteral("echo $$ > '%1'\nexec sleep 600").arg(dir.file("pid")));
    QProcess helper;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PATH", environment.first().mid(5));
    helper.setProcessEnvironment(env);
    helper.start(tool, {"-d", folder, "-v", "X"});
    ASSERT_TRUE(helper.waitForStarted());

    QDeadlineTimer deadline(30000);
    while (FileBytes(dir.file("pid")).trimmed().isEmpty() && !deadline.hasExpired())
        QThread::msleep(20);
    const pid_t burner = FileBytes(dir.file("pid")).trimmed().toInt();
    ASSERT_GT(burner, 0);
    helper.kill();  // the helper alone, not its group
    helper.waitForFinished();
    while (kill(burner, 0) == 0 && !deadline.hasExpired())
        QThread::msleep(20);

    EXPECT_NE(kill(burner, 0), 0) << "growisofs still runs";
}

TEST(DecrypterVersion, IsNewEnoughForTheSpeedList) {
    EXPECT_GE(FileVersionText(kDecrypter), QStringLiteral("3.2.3.0"));
}

}  // namespace
