#include <QCoreApplication>

#include "platform/Product.h"
#include "support/TestSupport.h"
#include "tools/FileVersion.h"
#include "tools/ToolSearch.h"

namespace {

class ToolSearchTest : public ::testing::Test {
  protected:
    // Makes an executable file below the program folder (or at an absolute path).
    QString make(const QString& path, const QByteArray& content = QByteArray()) const {
        return program.executable(path, content);
    }
    ToolAvailability search() { return ToolSearch(paths, program.path(), {searchPath.path()}); }

    TempFolder program;
    TempFolder searchPath;  // stands in for PATH
    TempFolder elsewhere;
    ToolPaths paths;
};

}  // namespace

TEST_F(ToolSearchTest, LastExistingCandidateWinsSoBinComesFirst) {
    make(QStringLiteral("mplex"));
    make(QStringLiteral("dvdauthor/mplex"));
    make(QStringLiteral("bin/mplex"));
    make(QStringLiteral("mpgtx/mpgtx"));
    make(QStringLiteral("mkisofs"));
    make(QStringLiteral("cdrtools/mkisofs"));
    make(QStringLiteral("lkVCDImager/lkVCDxRip"));
    make(QStringLiteral("bin/jrdmux"));
    make(searchPath.file(QStringLiteral("jrdmux")));
    make(searchPath.file(QStringLiteral("dvdauthor")));
    search();
    EXPECT_EQ(paths[Tool::MPlex], program.file(QStringLiteral("bin/mplex")));
    EXPECT_EQ(paths[Tool::mpgtx], program.file(QStringLiteral("mpgtx/mpgtx")));
    EXPECT_EQ(paths[Tool::mkisofs], program.file(QStringLiteral("cdrtools/mkisofs")));
    EXPECT_EQ(paths[Tool::lkVCDxRip], program.file(QStringLiteral("lkVCDImager/lkVCDxRip")));
    EXPECT_EQ(paths[Tool::jrDMUX], program.file(QStringLiteral("bin/jrdmux"))) << "the program folder first";
    EXPECT_EQ(paths[Tool::DVDauthor], searchPath.file(QStringLiteral("dvdauthor"))) << "then the search path";
    EXPECT_EQ(paths[Tool::BeSweet], QString());
}

TEST_F(ToolSearchTest, StoredPathStaysOnlyWhenItExistsAndNamesTheTool) {
    const QString upper = make(elsewhere.file(QStringLiteral("MPLEX")));
    const QString newer = make(elsewhere.file(QStringLiteral("mplex-new")));
    const QString genisoimage = make(elsewhere.file(QStringLiteral("mkisofs")));
    make(QStringLiteral("bin/BeSweet"));
    paths[Tool::MPlex] = upper;
    paths[Tool::mkisofs] = genisoimage;
    paths[Tool::mpgtx] = newer;                                            // wrong name, no candidate
    paths[Tool::BeSweet] = elsewhere.file(QStringLiteral("BeSweet"));      // deleted, candidate exists
    paths[Tool::DVDauthor] = elsewhere.file(QStringLiteral("dvdauthor"));  // deleted, no candidate
    paths[Tool::jrDMUX] = QStringLiteral("jrdmux");                        // relative
    search();
    EXPECT_EQ(paths[Tool::MPlex], upper) << "the comparison is made in lower case";
    EXPECT_EQ(paths[Tool::mkisofs], genisoimage);
    EXPECT_EQ(paths[Tool::mpgtx], QString());
    EXPECT_EQ(paths[Tool::BeSweet], program.file(QStringLiteral("bin/BeSweet")));
    EXPECT_EQ(paths[Tool::DVDauthor], QString());
    EXPECT_EQ(paths[Tool::jrDMUX], QString());

    paths[Tool::MPlex] = newer;
    make(QStringLiteral("mplex"));
    search();
    EXPECT_EQ(paths[Tool::MPlex], program.file(QStringLiteral("mplex")));
}

TEST_F(ToolSearchTest, MissingBurnToolsAreMarkedAndCannotBeChosen) {
    paths[Tool::Decrypter] = elsewhere.file(QStringLiteral("DVDDecrypter"));
    ToolAvailability found = search();
    EXPECT_EQ(paths[Tool::Decrypter], NotFoundMarker());
    EXPECT_EQ(paths[Tool::ImgTool], NotFoundMarker());
    EXPECT_FALSE(found.anyBurner());
    EXPECT_FALSE(found.rip);
    bool decrypter = true, imgTool = true;
    ChooseBurnTool(decrypter, imgTool, found);
    EXPECT_FALSE(decrypter);
    EXPECT_FALSE(imgTool);

    // A marker from the last start is replaced once the tool is there.
    make(searchPath.file(QStringLiteral("ImgTool")));
    found = search();
    EXPECT_EQ(paths[Tool::ImgTool], searchPath.file(QStringLiteral("ImgTool")));
    EXPECT_EQ(paths[Tool::Decrypter], NotFoundMarker());
    decrypter = true;
    imgTool = false;
    ChooseBurnTool(decrypter, imgTool, found);
    EXPECT_FALSE(decrypter);
    EXPECT_TRUE(imgTool) << "the only burn tool found is chosen";

    make(QStringLiteral("bin/DVDDecrypter"));
    found = search();
    EXPECT_TRUE(found.decrypter && found.imgTool);
    decrypter = false;
    imgTool = true;
    ChooseBurnTool(decrypter, imgTool, found);
    EXPECT_TRUE(imgTool && !decrypter) << "with both found the stored choice stays";
    imgTool = false;
    ChooseBurnTool(decrypter, imgTool, found);
    EXPECT_TRUE(decrypter && !imgTool) << "exactly one is chosen";
}

TEST(ToolNames, ChosenFilesMustEndInTheToolsName) {
    EXPECT_TRUE(NamesTool(QStringLiteral("/usr/bin/mkisofs"), Tool::mkisofs));
    EXPECT_TRUE(NamesTool(QStringLiteral("/opt/BESWEET"), Tool::BeSweet));
    EXPECT_TRUE(NamesTool(QStringLiteral("/x/lkvcdxrip"), Tool::lkVCDxRip));
    EXPECT_FALSE(NamesTool(QStringLiteral("/x/mplex-new"), Tool::MPlex));
    EXPECT_FALSE(NamesTool(QStringLiteral("/mplex/run"), Tool::MPlex));
    EXPECT_FALSE(NamesTool(NotFoundMarker(), Tool::Decrypter));
}

TEST(FileVersion, FirstDottedNumberOfTheOutput) {
    EXPECT_EQ(FirstVersionNumber(QStringLiteral("mjpegtools mplex-2 version 2.1.0 (2.2.7)")),
              QStringLiteral("2.1.0"));
    EXPECT_EQ(FirstVersionNumber(QStringLiteral("DVDAuthor::dvdauthor, version 0.7.2.\n")),
              QStringLiteral("0.7.2"));
    EXPECT_EQ(FirstVersionNumber(QStringLiteral("ImgTool Burn v0.6.2.1")), QStringLiteral("0.6.2.1"));
    EXPECT_EQ(FirstVersionNumber(QStringLiteral("mpgtx 1")), QString());
    EXPECT_EQ(FirstVersionNumber(QStringLiteral("nothing to do")), QString());
}

TEST_F(ToolSearchTest, VersionOfAProgramFromItsOutput) {
    const QString both = make(QStringLiteral("a"), "#!/bin/sh\necho \"tool version 1.2.3 ($1)\"\n");
    const QString single = make(
        QStringLiteral("b"), "#!/bin/sh\n[ \"$1\" = -version ] && echo \"b Version 4.5\" >&2\necho usage\n");
    const QString none = make(QStringLiteral("c"), "#!/bin/sh\necho keine Version\nexit 1\n");
    const QString notRunnable = program.write(QStringLiteral("d"), "1.0");
    EXPECT_EQ(FileVersionText(both), QStringLiteral("1.2.3"));
    EXPECT_EQ(FileVersionText(single), QStringLiteral("4.5"));
    EXPECT_EQ(FileVersionText(none), QString());
    EXPECT_EQ(FileVersionText(notRunnable), QString());
    EXPECT_EQ(FileVersionText(program.file(QStringLiteral("fehlt"))), QString());
    EXPECT_EQ(FileVersionText(NotFoundMarker()), QString());
    EXPECT_EQ(FileVersionText(QCoreApplication::applicationFilePath()), ProgramVersion())
        << "this program is not started, its version comes from the build";
}

TEST_F(ToolSearchTest, VersionOfAProgramThatDoesNotEndIsReadThenItIsKilled) {
    const QString hangs = make(QStringLiteral("h"), "#!/bin/sh\necho \"h 2.0\"\nexec sleep 60\n");
    EXPECT_EQ(FileVersionText(hangs), QStringLiteral("2.0"));
}
