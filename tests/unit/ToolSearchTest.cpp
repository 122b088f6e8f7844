#include <QCoreApplication>

#include "platform/Product.h"
#include "support/TestSupport.h"
#include "tools/FileVersion.h"
#include "tools/ToolSearch.h"

namespace {

class ToolSearchTest : public ::testing::Test {
  protected:
    // An executable file below the program folder (or at an absolute path).
    QString make(const QString& path, const QByteArray& content = {}) const {
        return program.executable(path, content);
    }
    ToolAvailability search() { return ToolSearch(paths, program.path(), {searchPath.path()}); }

    TempFolder program;
    TempFolder searchPath;  // stands in for PATH
    TempFolder elsewhere;
    ToolPaths paths;
};

}  // namespace

// The program folder first, its last existing candidate (so bin/ first), then the search path.
TEST_F(ToolSearchTest, LastExistingCandidateWinsSoBinComesFirst) {
    for (const char* file : {"mplex", "dvdauthor/mplex", "bin/mplex", "mpgtx/mpgtx"})
        make(QLatin1String(file));
    for (const char* file : {"mplex", "dvdauthor"})
        make(searchPath.file(file));
    search();
    EXPECT_EQ(
        (QStringList{paths[Tool::MPlex], paths[Tool::mpgtx], paths[Tool::DVDauthor], paths[Tool::BeSweet]}),
        (QStringList{program.file("bin/mplex"), program.file("mpgtx/mpgtx"), searchPath.file("dvdauthor"),
                     ""}));
}

TEST_F(ToolSearchTest, StoredPathStaysOnlyWhenItExistsAndNamesTheTool) {
    const QString upper = make(elsewhere.file("MPLEX"));  // compared in lower case
    const QString newer = make(elsewhere.file("mplex-new"));
    const QString genisoimage = make(elsewhere.file("mkisofs"));
    make("bin/BeSweet");
    paths[Tool::MPlex] = upper;
    paths[Tool::mkisofs] = genisoimage;
    paths[Tool::mpgtx] = newer;                            // wrong name, no candidate
    paths[Tool::BeSweet] = elsewhere.file("BeSweet");      // deleted, candidate exists
    paths[Tool::DVDauthor] = elsewhere.file("dvdauthor");  // deleted, no candidate
    paths[Tool::jrDMUX] = QStringLiteral("jrdmux");        // relative
    search();
    EXPECT_EQ((QStringList{paths[Tool::MPlex], paths[Tool::mkisofs], paths[Tool::mpgtx], paths[Tool::BeSweet],
                           paths[Tool::DVDauthor], paths[Tool::jrDMUX]}),
              (QStringList{upper, genisoimage, "", program.file("bin/BeSweet"), "", ""}));
    paths[Tool::MPlex] = newer;
    make("mplex");
    search();
    EXPECT_EQ(paths[Tool::MPlex], program.file("mplex"));
}

// A marker is replaced once the tool is there; with both burn tools found the stored
// choice stays and exactly one is chosen (markers of missing tools and one found alone
// are the tools window's tests' matter).
TEST_F(ToolSearchTest, MarkerIsReplacedAndWithBothBurnToolsFoundTheChoiceStays) {
    paths[Tool::Decrypter] = NotFoundMarker();
    make(searchPath.file("ImgTool"));
    make("bin/DVDDecrypter");
    const ToolAvailability found = search();
    bool decrypter = false, imgTool = true;
    ChooseBurnTool(decrypter, imgTool, found);
    EXPECT_TRUE(imgTool && !decrypter);
    imgTool = false;
    ChooseBurnTool(decrypter, imgTool, found);
    EXPECT_TRUE(decrypter && !imgTool) << "exactly one is chosen";
}

TEST_F(ToolSearchTest, VersionIsTheFirstDottedNumberOfTheOutput) {
    const std::pair<QString, QString> programs[] = {
        {make("a", "#!/bin/sh\necho \"mplex-2 version 2.1.0 (2.2.7 $1)\"\n"), "2.1.0"},
        {make("b", "#!/bin/sh\n[ \"$1\" = -version ] && echo \"b Version 0.7.2.\" >&2\necho usage\n"),
         "0.7.2"},
        {make("c", "#!/bin/sh\necho mpgtx 1\nexit 1\n"), ""},
        {program.write("d", "1.0"), ""},  // not runnable
        {program.file("fehlt"), ""},
        {NotFoundMarker(), ""},
        {make("h", "#!/bin/sh\necho \"h 2.0\"\nexec sleep 60\n"), "2.0"},  // read, then killed
        // This program is not started: its version comes from the build.
        {QCoreApplication::applicationFilePath(), ProgramVersion()}};
    for (const auto& [path, version] : programs)
        EXPECT_EQ(FileVersionText(path), version) << path.toStdString();
}
