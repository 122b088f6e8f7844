#include "gui/tabs/GeneralTab.h"

#include <QDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "gui/tabs/MediaPreviewPlayer.h"
#include "gui/window/Tavrolin.h"
#include "gui/window/Ui.h"
#include "gui/windows/TFormTools.h"
#include "persistence/Settings.h"
#include "platform/Paths.h"

using namespace ui;

namespace {

// The window "Registrierte MCI-Extensionen": which extensions the preview
// player opens (as the media back end says), for information only.
void ShowMciWindow(QWidget* parent) {
    QDialog window(parent);
    window.setObjectName(QStringLiteral("FormMCI"));
    window.setWindowTitle(QStringLiteral("Registrierte MCI-Extensionen"));
    auto* layout = new QVBoxLayout(&window);
    auto* boxes = new QGridLayout;
    const char* names[] = {"ChmciMPG", "ChmciM1V", "ChmciMPV", "ChmciMPEG", "ChmciM2V", "ChmciMPV2"};
    const char* extensions[] = {"mpg", "m1v", "mpv", "mpeg", "m2v", "mpv2"};
    const QStringList playable = PlayableExtensions();
    for (int k = 0; k < 6; ++k) {
        QCheckBox* box = Check(&window, names[k], QStringLiteral("*.") + QLatin1String(extensions[k]));
        box->setChecked(playable.contains(QLatin1String(extensions[k])));
        box->setEnabled(false);
        boxes->addWidget(box, k % 3, k / 3);
    }
    layout->addLayout(boxes);
    auto* bottom = new QHBoxLayout;
    QLabel* product = Label(&window, "LaProduct", QStringLiteral("Tavrolin"));
    product->setEnabled(false);
    QPushButton* close = Button(&window, "BuClose", QStringLiteral("Schließen"));
    QObject::connect(close, &QPushButton::clicked, &window, &QDialog::accept);
    bottom->addWidget(product);
    bottom->addStretch();
    bottom->addWidget(close);
    layout->addLayout(bottom);
    window.exec();
}

}  // namespace

GeneralTab::GeneralTab(THaupt& haupt) : QObject(&haupt), h(haupt) {}

void GeneralTab::build(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(10, 6, 10, 6);
    layout->setSpacing(3);

    auto* options = new QGridLayout;
    options->setHorizontalSpacing(12);
    options->setVerticalSpacing(3);
    h.ChEinzel = Check(page, "ChEinzel", QStringLiteral("Einzelschrittbestätigung"));
    h.ChName = Check(page, "ChName", QStringLiteral("Name für temporäres Projekt selbst wählen"));
    h.ChXML = Check(page, "ChXML", QStringLiteral("XML-Script nach Erstellung bearbeiten"));
    h.ChTools = Check(page, "ChTools", QStringLiteral("Toolpfade nicht im Log angeben"));
    options->addWidget(h.ChEinzel, 0, 0);
    options->addWidget(h.ChName, 1, 0);
    options->addWidget(h.ChXML, 0, 1);
    options->addWidget(h.ChTools, 1, 1);
    layout->addLayout(options);
    layout->addSpacing(4);

    auto* lists = new QGridLayout;
    lists->setHorizontalSpacing(12);
    lists->setVerticalSpacing(2);
    h.LaTempo = Label(page, "LaTempo", QStringLiteral("Temporäre Dateien"));
    h.CoTempo = Combo(page, "CoTempo", QStringLiteral("Temporäre Dateien"));
    h.LaProcess = Label(page, "LaProcess", QStringLiteral("Process Priority"));
    h.CoProcess = Combo(page, "CoProcess", QStringLiteral("Process Priority"));
    h.BuRecover = Button(page, "BuRecover", QStringLiteral("Wiederaufnahme"));
    h.CoRecover = Combo(page, "CoRecover", QStringLiteral("Beginnen mit"));
    lists->addWidget(h.LaTempo, 0, 0);
    lists->addWidget(h.CoTempo, 1, 0);
    lists->addWidget(h.LaProcess, 0, 1);
    lists->addWidget(h.CoProcess, 1, 1);
    lists->addWidget(h.BuRecover, 0, 2, Qt::AlignLeft);
    lists->addWidget(h.CoRecover, 1, 2);
    for (int column = 0; column < 3; ++column)
        lists->setColumnStretch(column, 1);
    layout->addLayout(lists);
    layout->addSpacing(6);

    auto folder = [&](QLabel*& label, const char* labelName, const QString& text, QPushButton*& button,
                      const char* buttonName, const QString& caption, QLineEdit*& edit,
                      const char* editName) {
        label = Label(page, labelName, text);
        button = Button(page, buttonName, caption);
        button->setFixedWidth(110);
        edit = Edit(page, editName, text, true);
        layout->addWidget(label);
        auto* line = new QHBoxLayout;
        line->addWidget(button);
        line->addWidget(edit, 1);
        layout->addLayout(line);
    };
    folder(h.LaRipDir, "LaRipDir",
           QStringLiteral("Ripp-Ordner: Verzeichnis für die gerippten und extrahierten Videos"), h.BuRipDir,
           "BuRipDir", QStringLiteral("Ripp-Ordner"), h.EdRipDir, "EdRipDir");
    folder(h.LaDVDDir, "LaDVDDir", QStringLiteral("DVD-Ordner: Verzeichnis für die fertige DVD"), h.BuDVDDir,
           "BuDVDDir", QStringLiteral("DVD-Ordner"), h.EdDVDDir, "EdDVDDir");
    folder(h.LaArbeitDir, "LaArbeitDir",
           QStringLiteral("Arbeits-Ordner: Verzeichnis für die temporären Dateien:"), h.BuArbeitDir,
           "BuArbeitDir", QStringLiteral("Arbeits-Ordner"), h.EdArbeitDir, "EdArbeitDir");
    layout->addStretch();

    auto* bottom = new QHBoxLayout;
    h.BuTools = Button(page, "BuTools", QStringLiteral("Tools"));
    h.BuMCI = Button(page, "BuMCI", QStringLiteral("MCI"));
    bottom->addWidget(h.BuTools);
    bottom->addWidget(h.BuMCI);
    bottom->addStretch();
    layout->addLayout(bottom);

    connect(h.BuArbeitDir, &QPushButton::clicked, this, &GeneralTab::BuArbeitDirClick);
    connect(h.BuDVDDir, &QPushButton::clicked, this, &GeneralTab::BuDVDDirClick);
    connect(h.BuRipDir, &QPushButton::clicked, this, &GeneralTab::BuRipDirClick);
    connect(h.BuTools, &QPushButton::clicked, this, &GeneralTab::BuToolsClick);
    connect(h.BuMCI, &QPushButton::clicked, this, &GeneralTab::BuMCIClick);
    connect(h.CoRecover, &QComboBox::activated, this, &GeneralTab::CoRecoverSelect);
    for (QComboBox* list : {h.CoTempo, h.CoProcess, h.CoRecover})
        list->installEventFilter(this);
}

bool GeneralTab::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const QString text = static_cast<QKeyEvent*>(event)->text();
    return !text.isEmpty() && text.at(0).isPrint();
}

void GeneralTab::tavTabAllgemShow() {
    h.ShowStartButton();
}

// The folder chooser starts nowhere in particular when the start folder is gone.
QString GeneralTab::chooseFolder(const QString& title, const QString& start) {
    return h.dialogs().chooseFolder(title, QFileInfo(start).isDir() ? start : QString());
}

void GeneralTab::BuArbeitDirClick() {
    const QString chosen = chooseFolder(QStringLiteral("Arbeits-Verzeichnis auswählen:"), h.Pfade.Arbeit);
    if (!chosen.isEmpty()) {
        if (chosen.contains(h.Pfade.DVDroot)) {
            h.dialogs().tell(
                Dialogs::Kind::Error,
                QStringLiteral("Das Arbeitsverzeichnis darf nicht\r\nim DVD Verzeichnis liegen."));
            return;
        }
        h.Pfade.Arbeit = chosen;
        h.EdISODatei->setText(JoinPath(chosen, h.EdDVDLabel->text() + QStringLiteral(".iso")));
    }
    h.Run.resumePoint = 0;
    h.EdArbeitDir->setText(h.Pfade.Arbeit);
}

void GeneralTab::BuDVDDirClick() {
    const QString& current = h.Pfade.DVDroot;
    const QString start =
        WithoutTrailingSlash(QFileInfo(current).isDir() ? current : QFileInfo(current).path());
    const QString chosen = chooseFolder(QStringLiteral("DVD-Verzeichnis auswählen:"), start);
    if (!chosen.isEmpty()) {
        // The new DVD folder must be none of the folders set and lie above none of them.
        for (const QString& folder : {h.Pfade.Arbeit, h.Pfade.SVCD, h.Pfade.Images, h.Pfade.DVDroot,
                                      h.Pfade.RIProot, h.Pfade.Projekte})
            if (folder.contains(chosen)) {
                h.dialogs().tell(Dialogs::Kind::Error,
                                 QStringLiteral("Das DVD Verzeichnis liegt über einem eingestellten\r\n"
                                                "Verzeichnis oder ist mit einem identisch."));
                return;
            }
        h.Pfade.DVDroot = chosen;
    }
    h.EdDVDDir->setText(h.Pfade.DVDroot);
}

void GeneralTab::BuRipDirClick() {
    const QString chosen = chooseFolder(QStringLiteral("Ripp-Verzeichnis auswählen:"), h.Pfade.RIProot);
    if (!chosen.isEmpty()) {
        if (chosen.contains(h.Pfade.DVDroot)) {
            h.dialogs().tell(Dialogs::Kind::Error,
                             QStringLiteral("Das Ripp Verzeichnis darf nicht im DVD-Verzeichnis\r\n"
                                            "liegen oder mit ihm identisch sein."));
            return;
        }
        h.Pfade.RIProot = chosen;
    }
    h.EdRipDir->setText(h.Pfade.RIProot);
}

void GeneralTab::BuToolsClick() {
    TFormTools window(h);
    window.exec();
}

void GeneralTab::BuMCIClick() {
    ShowMciWindow(&h);
}

void GeneralTab::CoRecoverSelect() {
    h.Run.resumePoint = 0;
}
