// The resume proof: a run of two sources (the first with two audio tracks),
// interrupted once at each unit of work - "Abbrechen" answered Yes, or the
// program killed - and resumed from its backup, gives the VOBs of an
// uninterrupted run byte for byte.
#include <QCoreApplication>
#include <QCryptographicHash>

#include "support/MediaCheck.h"
#include "support/TestMedia.h"
#include "support/TestSupport.h"

namespace {

// The run's tools in order: mpgtx -version and -d per source, BeSweet per track,
// mplex per source, dvdauthor, mkisofs -version and the image.
struct Unit {
    const char* name;
    int tool;  // the tool run, counted from 1, that is interrupted
};

QString Drive(const QString& folder, const QStringList& actions, int* code = nullptr) {
    return MediaCheck::Run(TAV_TOOL_DIR "/tavrolin-driver",
                           QStringList{"--program-dir", folder, "--set", "CoTempo=0"} + actions, code);
}

QStringList Vobs(const QString& folder) {
    QStringList vobs;
    for (const QFileInfo& vob : QDir(folder + "/Dvd/VIDEO_TS").entryInfoList({"*.VOB"}))
        vobs << vob.fileName() + ' ' +
                    QCryptographicHash::hash(FileBytes(vob.filePath()), QCryptographicHash::Sha1).toHex();
    return vobs;
}

QStringList Sources() {
    return {"--add", TestMedia::SvcdTwoTracks(), "--add", TestMedia::Vcd(), "--set", "ChImage=1"};
}

// The VOBs of an uninterrupted run, made once for the program and helper as built.
QStringList Uninterrupted() {
    QCryptographicHash key(QCryptographicHash::Sha1);
    for (const char* program : {"/tavrolin-driver", "/BeSweet"})
        key.addData(FileBytes(TAV_TOOL_DIR + QString(program)));
    const QString cache = TestMedia::Folder() + "/resume-" + key.result().toHex() + ".txt";
    if (!QFile::exists(cache)) {
        const TempFolder folder;
        Drive(folder.path(), Sources() + QStringList{"--start"});
        if (Vobs(folder.path()).size() == 2)
            QFile::rename(folder.write(cache + QString::number(QCoreApplication::applicationPid()),
                                       Vobs(folder.path()).join('\n').toUtf8()),
                          cache);
    }
    return QString::fromUtf8(FileBytes(cache)).split('\n');
}

class ResumeProof : public ::testing::TestWithParam<std::tuple<Unit, const char*>> {};

TEST_P(ResumeProof, GivesTheVobsOfAnUninterruptedRun) {
    const QStringList uninterrupted = Uninterrupted();
    ASSERT_EQ(uninterrupted.size(), 2) << "two title sets";
    const auto& [unit, how] = GetParam();
    TempFolder folder;
    int code = -1;
    Drive(folder.path(),
          Sources() + QStringList{"--interrupt", how + QStringLiteral(":%1").arg(unit.tool), "--start"},
          &code);
    ASSERT_NE(code, 0) << "the run was interrupted";
    const QString out =
        Drive(folder.path(), {"--resume", folder.file("Projekt-Temp.tvpr"), "--start"}, &code);
    EXPECT_EQ(code, 0) << out.toStdString();
    EXPECT_EQ(Vobs(folder.path()), uninterrupted);
}

INSTANTIATE_TEST_SUITE_P(EveryUnit, ResumeProof,
                         ::testing::Combine(::testing::Values(Unit{"101", 2}, Unit{"102", 4}, Unit{"201", 5},
                                                              Unit{"201Track2", 6}, Unit{"202", 7},
                                                              Unit{"301", 8}, Unit{"302", 9}, Unit{"401", 10},
                                                              Unit{"501", 12}),
                                            ::testing::Values("abort", "kill")),
                         [](const auto& info) {
                             return std::get<1>(info.param) + std::string("At") +
                                    std::get<0>(info.param).name;
                         });

}  // namespace
