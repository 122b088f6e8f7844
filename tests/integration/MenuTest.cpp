// The three menu files made at build time: small PAL DVD menu streams whose
// buttons carry the names the authoring script uses (that dvdauthor takes them
// with the real script is the end-to-end test's matter, for every menu variant).

#include "support/MediaCheck.h"
#include "support/TestSupport.h"

TEST(Menus, AreSmallPalMpeg2ProgramStreamsWithTheScriptsButtons) {
    const struct {
        const char* name;
        QList<QByteArray> buttons;
    } menus[] = {{"dummymenu.vob", {}}, {"menu01sub.vob", {"SHOW", "DANKE"}}, {"menu02sub.vob", {"menu"}}};
    for (const auto& menu : menus) {
        const QString path = QStringLiteral(TAV_PROGRAM_DIR "/menue/") + menu.name;
        SCOPED_TRACE(menu.name);
        EXPECT_LT(QFileInfo(path).size(), 200 * 1024);
        const QString probe =
            MediaCheck::Probe(path, "format=format_name:stream=codec_name,width,height,sample_rate");
        EXPECT_TRUE(probe.endsWith("\nmpeg") && probe.contains("mpeg2video,720,576") &&
                    probe.contains("mp2,48000"))
            << probe.toStdString();
        EXPECT_EQ(probe.contains("dvd_subtitle"), !menu.buttons.isEmpty()) << "buttons only on the two menus";
        for (const QByteArray& button : menu.buttons)
            EXPECT_TRUE(FileBytes(path).contains(button)) << button.constData();
    }
}
