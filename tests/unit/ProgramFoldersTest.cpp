#include "platform/CommandLine.h"
#include "platform/ProgramFolders.h"
#include "support/TestSupport.h"

namespace {

// Sets an environment variable for the life of the object.
class Variable {
  public:
    Variable(const char* name, const QString& value) : name_(name), old_(qgetenv(name)) {
        qputenv(name, value.toUtf8());
    }
    ~Variable() { qputenv(name_, old_); }

  private:
    const char* name_;
    QByteArray old_;
};

class ProgramFoldersTest : public ::testing::Test {
  protected:
    TempFolder user, program;
    Variable home{"HOME", user.path()};
    Variable config{"XDG_CONFIG_HOME", user.file("config")};
    Variable state{"XDG_STATE_HOME", user.file("state")};
};

TEST_F(ProgramFoldersTest, AWritableProgramFolderKeepsEverything) {
    const ProgramFolders f = ChooseProgramFolders(program.path(), true);
    EXPECT_EQ((QStringList{f.programDir, f.settingsFile, f.stateDir, f.toolDir, f.menuDir}),
              (QStringList{program.path(), program.file("tavrolin.ini"), program.path(), program.path(),
                           program.path()}));
    EXPECT_FALSE(QFileInfo::exists(user.file("config")));
}

TEST_F(ProgramFoldersTest, AReadOnlyFolderOrAnInstallationUsesTheUsersFolders) {
    const ProgramFolders copy = ChooseProgramFolders(program.path(), false);
    EXPECT_EQ((QStringList{copy.toolDir, copy.menuDir}), (QStringList{program.path(), program.path()}));
    EXPECT_EQ(copy.settingsFile, user.file("config/tavrolin/tavrolin.ini"));
    EXPECT_EQ(copy.stateDir, user.file("state/tavrolin"));
    EXPECT_EQ(copy.programDir, user.file("Documents/Tavrolin"));
    for (const QString& folder : {user.file("config/tavrolin"), copy.stateDir, copy.programDir})
        EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();

    // Installed (bin/ beside lib/tavrolin/), writable or not; XDG folders unset.
    const Variable noConfig("XDG_CONFIG_HOME", QString()), noState("XDG_STATE_HOME", QString());
    QDir().mkpath(program.file("usr/lib/tavrolin"));
    QDir().mkpath(program.file("usr/bin"));
    const ProgramFolders installed = ChooseProgramFolders(program.file("usr/bin"), true);
    EXPECT_EQ((QStringList{installed.toolDir, installed.menuDir, installed.settingsFile, installed.stateDir}),
              (QStringList{program.file("usr/lib/tavrolin"), program.file("usr/share/tavrolin"),
                           user.file(".config/tavrolin/tavrolin.ini"), user.file(".local/state/tavrolin")}));
}

TEST(CommandLineTest, ReadsTheBatchOptions) {
    using A = CommandLine::Action;
    const struct {
        QStringList arguments;
        A action;
        QString project, startAt;
    } rows[] = {
        {{}, A::Window, {}, {}},
        {{"-platform", "xcb"}, A::Window, {}, {}},
        {{"--help"}, A::Help, {}, {}},
        {{"--version"}, A::Version, {}, {}},
        {{"--convert", "a.tvpr"}, A::Convert, "a.tvpr", {}},
        {{"--start-at", "Authoring", "--convert", "a.tvpr"}, A::Convert, "a.tvpr", "Authoring"},
        {{"--convert"}, A::Invalid, {}, {}},
        {{"--start-at", "2"}, A::Invalid, {}, "2"},
        {{"--convert", "a.tvpr", "b.tvpr"}, A::Invalid, "a.tvpr", {}},
        {{"--bogus"}, A::Invalid, {}, {}},
    };
    for (const auto& row : rows) {
        const CommandLine line = ParseCommandLine(row.arguments);
        EXPECT_EQ(line.action, row.action) << row.arguments.join(' ').toStdString();
        EXPECT_EQ(line.action == A::Invalid, !line.error.isEmpty());
        EXPECT_EQ((QStringList{line.project, line.startAt}), (QStringList{row.project, row.startAt}));
    }
}

}  // namespace
