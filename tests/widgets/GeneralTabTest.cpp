#include <QDialog>

#include "gui/tabs/MediaPreviewPlayer.h"
#include "support/WindowFixture.h"

namespace {

const QString kWorkRefused =
    QStringLiteral("Das Arbeitsverzeichnis darf nicht\r\nim DVD Verzeichnis liegen.");
const QString kDvdRefused = QStringLiteral(
    "Das DVD Verzeichnis liegt über einem eingestellten\r\nVerzeichnis oder ist mit einem identisch.");
const QString kRipRefused = QStringLiteral(
    "Das Ripp Verzeichnis darf nicht im DVD-Verzeichnis\r\nliegen oder mit ihm identisch sein.");

class GeneralOptions : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        showTab("tavTabAllgem");
    }
    // A folder on the "disk" beside the program folder.
    QString folder(const QString& name) const {
        const QString path = disk.file(name);
        QDir().mkpath(path);
        return path;
    }
    // Chooses a folder with a button; returns the error shown, if any.
    QString choose(const char* button, const QString& answer) {
        dialogs.answer(answer);
        click(button);
        const QList<ScriptedDialogs::Shown> shown = dialogs.take();
        EXPECT_EQ(shown.value(0).what, QStringLiteral("folder"));
        if (shown.size() < 2) return QString();
        EXPECT_EQ(shown[1].kind, Dialogs::Kind::Error);
        return shown[1].text;
    }
};

}  // namespace

TEST_F(GeneralOptions, WorkingFolderMustNotLieInTheDvdFolder) {
    const QString work = folder(QStringLiteral("Work"));
    find<QLineEdit>("EdDVDDir")->setText(folder(QStringLiteral("Work/DVD")));
    find<QLineEdit>("EdDVDLabel")->setText(QStringLiteral("Urlaub"));
    h->runState().resumePoint = 300;

    EXPECT_EQ(choose("BuArbeitDir", folder(QStringLiteral("Work/DVD/Temp"))), kWorkRefused);
    EXPECT_EQ(dialogs.lastFileRequest().folder, programDir.path());
    EXPECT_EQ(h->settings().work, programDir.path());
    EXPECT_EQ(h->runState().resumePoint, 300) << "the refusal changes nothing";
    EXPECT_EQ(choose("BuArbeitDir", h->settings().dvdRoot), kWorkRefused);

    EXPECT_EQ(choose("BuArbeitDir", work), QString());
    EXPECT_EQ(find<QLineEdit>("EdArbeitDir")->text(), work);
    EXPECT_EQ(find<QLineEdit>("EdISODatei")->text(), work + QStringLiteral("/Urlaub.iso"));
    EXPECT_EQ(h->runState().resumePoint, 0);

    // A cancelled choice still discards a loaded resume point.
    h->runState().resumePoint = 300;
    EXPECT_EQ(choose("BuArbeitDir", QStringLiteral("cancel")), QString());
    EXPECT_EQ(dialogs.lastFileRequest().folder, work);
    EXPECT_EQ(h->runState().resumePoint, 0);
}

TEST_F(GeneralOptions, DvdFolderMustNotBeOrLieAboveAnotherFolder) {
    const QString work = folder(QStringLiteral("Work"));
    const QString current = folder(QStringLiteral("Other/DVD"));
    find<QLineEdit>("EdArbeitDir")->setText(work);
    find<QLineEdit>("EdDVDDir")->setText(current);
    h->runState().resumePoint = 300;

    for (const QString& refused :
         {work, disk.path(), QStringLiteral("/"), current, folder(QStringLiteral("Other"))}) {
        EXPECT_EQ(choose("BuDVDDir", refused), kDvdRefused) << refused.toStdString();
        EXPECT_EQ(h->settings().dvdRoot, current);
    }
    EXPECT_EQ(dialogs.lastFileRequest().folder, current);

    const QString accepted = folder(QStringLiteral("Work/DVD"));
    EXPECT_EQ(choose("BuDVDDir", accepted), QString());
    EXPECT_EQ(find<QLineEdit>("EdDVDDir")->text(), accepted);
    EXPECT_EQ(h->runState().resumePoint, 300) << "the DVD folder does not touch the resume point";

    // A DVD folder that does not exist yet: the chooser starts in its parent.
    find<QLineEdit>("EdDVDDir")->setText(work + QStringLiteral("/neu"));
    EXPECT_EQ(choose("BuDVDDir", QStringLiteral("cancel")), QString());
    EXPECT_EQ(dialogs.lastFileRequest().folder, work);
    EXPECT_EQ(find<QLineEdit>("EdDVDDir")->text(), work + QStringLiteral("/neu"));
}

TEST_F(GeneralOptions, RipFolderMustNotLieInTheDvdFolder) {
    const QString dvd = folder(QStringLiteral("Work/DVD"));
    find<QLineEdit>("EdDVDDir")->setText(dvd);
    EXPECT_EQ(choose("BuRipDir", dvd), kRipRefused);
    EXPECT_EQ(choose("BuRipDir", folder(QStringLiteral("Work/DVD/Ripp"))), kRipRefused);
    EXPECT_EQ(h->settings().ripRoot, programDir.path());

    const QString rip = folder(QStringLiteral("Work/Ripp"));
    EXPECT_EQ(choose("BuRipDir", rip), QString());
    EXPECT_EQ(find<QLineEdit>("EdRipDir")->text(), rip);
    EXPECT_EQ(choose("BuRipDir", QStringLiteral("cancel")), QString());
    EXPECT_EQ(h->settings().ripRoot, rip);
}

TEST_F(GeneralOptions, ChoosingAStageByHandDiscardsTheResumePoint) {
    find<QComboBox>("CoRecover")->clear();
    find<QComboBox>("CoRecover")
        ->addItems({QStringLiteral("Demuxen"), QStringLiteral("Upmix"), QStringLiteral("Muxen")});
    h->runState().resumePoint = 300;
    find<QComboBox>("CoRecover")->setCurrentIndex(1);
    EXPECT_EQ(h->runState().resumePoint, 300) << "a change by the program keeps it";
    QTest::keyClick(find<QComboBox>("CoRecover"), Qt::Key_Down);
    EXPECT_EQ(find<QComboBox>("CoRecover")->currentIndex(), 2);
    EXPECT_EQ(h->runState().resumePoint, 0);
}

TEST_F(GeneralOptions, TypingIntoTheListsChangesNothing) {
    for (QComboBox* list : {find<QComboBox>("CoTempo"), find<QComboBox>("CoProcess")}) {
        list->setCurrentIndex(0);
        QTest::keyClicks(list, QStringLiteral("NnHh"));
        EXPECT_EQ(list->currentIndex(), 0) << list->objectName().toStdString();
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(list->currentIndex(), 1) << "choosing with the keys still works";
    }
}

TEST_F(GeneralOptions, ToolsAndMciButtonsShowTheirWindows) {
    QString imgTool;
    OnNextModal<QDialog>([&](QDialog& window) {
        EXPECT_EQ(window.objectName(), QStringLiteral("FormTools"));
        imgTool = window.findChild<QLineEdit*>(QStringLiteral("EdImg"))->text();
        window.accept();
    });
    click("BuTools");
    EXPECT_EQ(imgTool, h->settings().tools[Tool::ImgTool]);

    QStringList shown;
    OnNextModal<QDialog>([&](QDialog& window) {
        EXPECT_EQ(window.objectName(), QStringLiteral("FormMCI"));
        for (const char* name : {"ChmciMPG", "ChmciM1V", "ChmciMPV", "ChmciMPEG", "ChmciM2V", "ChmciMPV2"})
            if (window.findChild<QCheckBox*>(QLatin1String(name))->isChecked())
                shown << window.findChild<QCheckBox*>(QLatin1String(name))->text();
        window.accept();
    });
    click("BuMCI");
    EXPECT_EQ(shown, QStringList({"*.mpg", "*.m1v", "*.mpv", "*.mpeg", "*.m2v", "*.mpv2"}));
    // Ticked is what the media back end's elements can open.
    const auto having = [](QStringList elements) {
        return [elements](const char* element) { return elements.contains(QLatin1String(element)); };
    };
    EXPECT_EQ(PlayableExtensions(having({"mpegvideoparse", "avdec_mpeg1video"})),
              QStringList({"m1v", "mpv"}));
    EXPECT_EQ(PlayableExtensions(having({"mpegpsdemux", "mpeg2dec"})), QStringList({"mpg", "mpeg"}));
}
