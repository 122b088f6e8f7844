// The burner helpers DVDDecrypter and ImgTool, run against growisofs in dry-run
// mode with a regular file as the device, and against stand-in growisofs
// scripts that record what they were given.

#include <signal.h>

#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>

#include "integration/ToolProcess.h"
#include "pipeline/Brennen.h"
#include "support/FakeRunContext.h"
#include "support/TestMedia.h"
#include "tools/FileVersion.h"

namespace {

const QString kDryRun = QStringLiteral("TAVROLIN_DRY_RUN=1");

// Running, and not a zombie nobody has reaped yet.
bool Alive(pid_t pid) {
    if (kill(pid, 0) != 0) return false;
    const QByteArray stat = FileBytes(QStringLiteral("/proc/%1/stat").arg(pid));
    return stat.mid(stat.lastIndexOf(')') + 2, 1) != "Z";
}

class BurnerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(path("Werkzeug ä")));
        QFile device(this->device());
        ASSERT_TRUE(device.open(QIODevice::WriteOnly));
    }

    QString path(const QString& name) const { return temp_.path() + QLatin1Char('/') + name; }
    QString device() const { return path("Brenner & Laufwerk"); }

    // A DVD-Video folder authored from TestMedia::Dvd().
    QString dvdFolder() const {
        const QString folder = path("DVD Ordner");
        if (QFileInfo::exists(folder + "/VIDEO_TS/VIDEO_TS.IFO")) return folder;
        const QStringList environment{"VIDEO_FORMAT=PAL"};
        EXPECT_EQ(ToolProcess::Run("dvdauthor", {"-o", folder, "-t", TestMedia::Dvd()}, environment).exitCode,
                  0);
        EXPECT_EQ(ToolProcess::Run("dvdauthor", {"-o", folder, "-T"}, environment).exitCode, 0);
        return folder;
    }

    QString isoImage() const {
        const QString image = path("Meine DVD.iso");
        const auto run =
            ToolProcess::Run("genisoimage", {"-quiet", "-dvd-video", "-V", "TEST", "-o", image, dvdFolder()});
        EXPECT_EQ(run.exitCode, 0) << run.output.constData();
        return image;
    }

    // Splits the image into <image>_00, _01, ... of at most partSize bytes.
    QStringList splitImage(const QString& image, qint64 partSize) const {
        const QByteArray bytes = FileBytes(image);
        QStringList parts;
        for (qint64 offset = 0; offset < bytes.size(); offset += partSize) {
            parts << image + QStringLiteral("_%1").arg(parts.size(), 2, 10, QLatin1Char('0'));
            QFile part(parts.last());
            EXPECT_TRUE(part.open(QIODevice::WriteOnly));
            part.write(bytes.mid(offset, partSize));
        }
        QFile::remove(image);
        return parts;
    }

    // A growisofs stand-in first on the search path: records its arguments and
    // standard input, then runs the given shell lines.
    QStringList fakeGrowisofs(const QString& body) const {
        const QString folder = path("fake");
        QDir().mkpath(folder);
        QFile script(folder + "/growisofs");
        EXPECT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1'\ncat > '%2'\n%3\n")
                         .arg(path("arguments"), path("fed"), body)
                         .toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        return {"PATH=" + folder + ":" + qEnvironmentVariable("PATH")};
    }

    // ImgTool copied beside its own ImgTool.ini, which names the device.
    QString imgTool(bool withIni = true) const {
        const QString tool = path("Werkzeug ä/ImgTool");
        QFile::copy(ToolProcess::Adapter("ImgTool"), tool);
        if (withIni) {
            QFile ini(path("Werkzeug ä/ImgTool.ini"));
            EXPECT_TRUE(ini.open(QIODevice::WriteOnly));
            ini.write(("[ImgTool]\nSpeed: 4\nDevice: " + device() + "\nVerify: 0\n").toUtf8());
        }
        return tool;
    }

    ToolProcess::Result decrypter(const QStringList& arguments,
                                  const QStringList& environment = {kDryRun}) const {
        return ToolProcess::Run(ToolProcess::Adapter("DVDDecrypter"), arguments, environment);
    }

    QTemporaryDir temp_;
};

// Each value one argument, as the program passes them, or the whole string in one.
TEST_F(BurnerTest, DecrypterBurnsTheImageAtTheChosenSpeed) {
    const QString image = isoImage();
    const QString oneString =
        QStringLiteral("/MODE ISOWRITE /START /CLOSE /SRC \"%1\" /DEST \"%2\" /SPEED \"%3\"");
    const QList<QPair<QStringList, QString>> calls{
        {{"/MODE", "ISOWRITE", "/START", "/CLOSE", "/ERASE", "/SRC", image, "/DEST", device(), "/SPEED",
          "8x"},
         "-speed=8 "},
        {{oneString.arg(image, device(), "Max")}, ""},
        {{oneString.arg(image, device(), "")}, ""},  // no speed text for "20x"
    };
    for (const auto& [arguments, speed] : calls) {
        const auto run = decrypter(arguments);

        ASSERT_EQ(run.exitCode, 0) << run.output.constData();
        const QString output = QString::fromUtf8(run.output);
        EXPECT_TRUE(output.contains(
            QStringLiteral("growisofs -dry-run -dvd-compat %1-Z \"%2=%3\"").arg(speed, device(), image)))
            << output.toStdString();
        EXPECT_TRUE(output.contains("builtin_dd if=" + image)) << "growisofs accepted the image";
        EXPECT_EQ(QFileInfo(device()).size(), 0) << "nothing written in a dry run";
    }
}

TEST_F(BurnerTest, DecrypterFeedsASplitImageWholeAndInOrder) {
    const QString image = isoImage();
    const QByteArray whole = FileBytes(image);
    const QStringList parts = splitImage(image, 600 * 1024);
    ASSERT_GE(parts.size(), 3);
    const QStringList arguments{"/MODE", "ISOWRITE", "/SRC",   parts.first(),
                                "/DEST", device(),   "/SPEED", "4x"};

    const auto dryRun = decrypter(arguments);
    const auto recorded = decrypter(arguments, fakeGrowisofs("exit 0"));

    ASSERT_EQ(dryRun.exitCode, 0) << dryRun.output.constData();
    EXPECT_TRUE(dryRun.output.contains("builtin_dd if=/dev/fd/0")) << "growisofs takes the stream";
    ASSERT_EQ(recorded.exitCode, 0) << recorded.output.constData();
    EXPECT_EQ(FileBytes(path("fed")), whole);
    const QStringList given = QString::fromUtf8(FileBytes(path("arguments"))).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(given, QStringList({"-dvd-compat", "-speed=4",
                                  QStringLiteral("-use-the-force-luke=tracksize:%1").arg(whole.size() / 2048),
                                  "-Z", device() + "=/dev/fd/0"}));
}

TEST_F(BurnerTest, ImgToolBurnsTheFolderToTheDeviceOfItsIni) {
    const QString folder = dvdFolder();
    const QString tool = imgTool();
    const QString log = path("Werkzeug ä/ImgTool.log");
    for (const bool split : {false, true}) {
        const QStringList arguments =
            split ? QStringList{"-d", folder, "-v", "Meine DVD", "-o", "-e", "-l"}
                  : QStringList{QStringLiteral("-d \"%1\" -v \"Meine DVD\"").arg(folder)};

        const auto run = ToolProcess::Run(tool, arguments, {kDryRun});

        ASSERT_EQ(run.exitCode, 0) << run.output.constData();
        const QString output = QString::fromUtf8(run.output);
        EXPECT_TRUE(output.contains(
            QStringLiteral("growisofs -dry-run -dvd-compat -Z \"%1\" -dvd-video -V \"Meine DVD\" \"%2\"")
                .arg(device(), folder)))
            << output.toStdString();
        EXPECT_TRUE(output.contains("genisoimage -dvd-video -V Meine DVD " + folder))
            << "growisofs accepted the folder";
        EXPECT_EQ(QFileInfo(device()).size(), 0);
        EXPECT_EQ(FileBytes(log).contains("OK"), split) << "a log only with -l";
        EXPECT_EQ(output.contains("is not ejected"), !split) << "-e keeps the disc in";
    }
}

// The burn step names the drive chosen in the list (here a regular file) in
// ImgTool.ini, as the old name-only line from an earlier version did not.
TEST_F(BurnerTest, TheBurnStepBurnsToTheChosenDrive) {
    const QString tool = imgTool(false);
    const QString ini = path("Werkzeug ä/ImgTool.ini");
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[ImgTool]\nDevice: HL-DT-ST DVDRAM GH24NSD1\n");
    file.close();
    FakeRunContext ctx(temp_.path());
    ctx.values.tools[Tool::ImgTool] = tool;
    ctx.values.dvdRoot = dvdFolder();
    ctx.values.label = QStringLiteral("Meine_DVD");
    ctx.values.burnLog = true;
    ctx.controlState.burnerEnabled = true;
    ctx.controlState.burnerText = device() + QStringLiteral(": (1:0:0) HL-DT-ST DVDRAM GH24NSD1");
    qputenv("TAVROLIN_DRY_RUN", "1");
    const bool burned = BurnWithImgTool(ctx) == Outcome::Done;
    qunsetenv("TAVROLIN_DRY_RUN");

    ASSERT_TRUE(burned) << ctx.lines().join('\n').toStdString();
    EXPECT_EQ(FileBytes(ini), "[ImgTool]\nDevice: " + device().toUtf8() + " (HL-DT-ST DVDRAM GH24NSD1)\n");
    EXPECT_TRUE(FileBytes(path("Werkzeug ä/ImgTool.log")).contains("-Z \"" + device().toUtf8() + "\""));
}

// A missing input fails; growisofs's own exit code (errno values, 28 is "no space
// left") reaches the program.
TEST_F(BurnerTest, HelpersFailWithoutInputAndPassOnTheBurnersExitCode) {
    const QString image = isoImage();
    const QString tool = imgTool();
    EXPECT_NE(decrypter({"/MODE", "ISOWRITE", "/SRC", path("fehlt.iso"), "/DEST", device()}).exitCode, 0);
    EXPECT_NE(decrypter({"/SRC", image, "/DEST", device()}).exitCode, 0) << "no mode";
    EXPECT_NE(ToolProcess::Run(tool, {"-d", path("fehlt"), "-v", "X"}, {kDryRun}).exitCode, 0);
    EXPECT_EQ(
        decrypter({"/MODE", "ISOWRITE", "/SRC", image, "/DEST", device()}, fakeGrowisofs("exit 28")).exitCode,
        28);
    EXPECT_EQ(ToolProcess::Run(tool, {"-d", dvdFolder(), "-v", "X"}, fakeGrowisofs("exit 5")).exitCode, 5);
}

// The program ends a run by killing the helper; the tool it started must not
// outlive it.
TEST_F(BurnerTest, TheBurnerDiesWithItsHelper) {
    const QString tool = imgTool();
    const QStringList environment =
        fakeGrowisofs(QStringLiteral("echo $$ > '%1'\nexec sleep 600").arg(path("pid")));
    QProcess helper;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PATH", environment.first().mid(5));
    helper.setProcessEnvironment(env);
    helper.start(tool, {"-d", dvdFolder(), "-v", "X"});
    ASSERT_TRUE(helper.waitForStarted());

    QDeadlineTimer deadline(30000);
    while (FileBytes(path("pid")).trimmed().isEmpty() && !deadline.hasExpired())
        QThread::msleep(20);
    const pid_t burner = FileBytes(path("pid")).trimmed().toInt();
    ASSERT_GT(burner, 0);
    helper.kill();  // the helper alone, not its group
    helper.waitForFinished();
    while (kill(burner, 0) == 0 && !deadline.hasExpired())
        QThread::msleep(20);

    EXPECT_NE(kill(burner, 0), 0) << "growisofs still runs";
}

}  // namespace

namespace {

TEST(DecrypterVersion, IsNewEnoughForTheSpeedList) {
    const QString version = FileVersionText(QStringLiteral(TAV_TOOL_DIR "/DVDDecrypter"));
    EXPECT_FALSE(version.isEmpty());
    EXPECT_GE(version, QStringLiteral("3.2.3.0"));
}

}  // namespace
