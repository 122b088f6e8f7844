#include "platform/CommandLine.h"
#include "platform/ProgramFolders.h"
#include "support/TestSupport.h"

namespace {

TEST(ProgramFoldersTest, AWritableFolderKeepsAllAReadOnlyOneOrAnInstallationUsesTheUsersFolders) {
    TempFolder user, program;
    for (const auto& [name, value] : {std::pair("HOME", user.path()),
                                      {"XDG_CONFIG_HOME", user.file("config")},
                                      {"XDG_STATE_HOME", user.file("state")}})
        qputenv(name, value.toUtf8());
    const ProgramFolders portable = ChooseProgramFolders(program.path(), true);
    EXPECT_EQ((QStringList{portable.programDir, portable.settingsFile, portable.stateDir, portable.toolDir}),
              (QStringList{program.path(), program.file("tavrolin.ini"), program.path(), program.path()}));
    EXPECT_FALSE(QFileInfo::exists(user.file("config")));

    const ProgramFolders copy = ChooseProgramFolders(program.path(), false);
    EXPECT_EQ((QStringList{copy.programDir, copy.settingsFile, copy.stateDir, copy.toolDir, copy.menuDir}),
              (QStringList{user.file("Documents/Tavrolin"), user.file("config/tavrolin/tavrolin.ini"),
                           user.file("state/tavrolin"), program.path(), program.path()}));
    for (const QString& folder : {user.file("config/tavrolin"), copy.stateDir, copy.programDir})
        EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();

    // Installed (its helper and menu folders are the install test's matter): the user's folders.
    QDir().mkpath(program.file("usr/lib/tavrolin"));
    QDir().mkpath(program.file("usr/bin"));
    EXPECT_EQ(ChooseProgramFolders(program.file("usr/bin"), true).stateDir, user.file("state/tavrolin"));
}

TEST(CommandLineTest, ReadsTheBatchOptions) {
    using A = CommandLine::Action;
    const std::pair<QStringList, A> rows[] = {
        {{}, A::Window},
        {{"-platform", "xcb"}, A::Window},
        {{"--help"}, A::Help},
        {{"--convert"}, A::Invalid},
        {{"--start-at", "2"}, A::Invalid},
        {{"--convert", "a", "b"}, A::Invalid},
    };
    for (const auto& [arguments, action] : rows)
        EXPECT_EQ(ParseCommandLine(arguments).action, action) << arguments.join(' ').toStdString();
    const CommandLine line = ParseCommandLine({"--start-at", "Authoring", "--convert", "a.tvpr"});
    EXPECT_EQ((QStringList{line.project, line.startAt}), (QStringList{"a.tvpr", "Authoring"}));
}

}  // namespace
