#include "gui/tabs/GeneralTab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/tabs/TabHost.h"
#include "gui/window/Ui.h"
#include "gui/windows/MciWindow.h"
#include "gui/windows/TFormTools.h"
#include "persistence/ProgramSettings.h"
#include "persistence/Settings.h"
#include "pipeline/RunContext.h"
#include "platform/Paths.h"
#include "platform/ProgramFolders.h"

using namespace ui;

GeneralTab::GeneralTab(TabHost& tabHost) : host(tabHost) {
    build();
}

void GeneralTab::build() {
    QWidget* page = this;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(10, 6, 10, 6);
    layout->setSpacing(3);

    auto* options = new QGridLayout;
    options->setHorizontalSpacing(12);
    options->setVerticalSpacing(3);
    ChEinzel = Check(page, "ChEinzel", QStringLiteral("Einzelschrittbestätigung"));
    ChName = Check(page, "ChName", QStringLiteral("Name für temporäres Projekt selbst wählen"));
    ChXML = Check(page, "ChXML", QStringLiteral("XML-Script nach Erstellung bearbeiten"));
    ChTools = Check(page, "ChTools", QStringLiteral("Toolpfade nicht im Log angeben"));
    options->addWidget(ChEinzel, 0, 0);
    options->addWidget(ChName, 1, 0);
    options->addWidget(ChXML, 0, 1);
    options->addWidget(ChTools, 1, 1);
    layout->addLayout(options);
    layout->addSpacing(4);

    auto* lists = new QGridLayout;
    lists->setHorizontalSpacing(12);
    lists->setVerticalSpacing(2);
    LaTempo = Label(page, "LaTempo", QStringLiteral("Temporäre Dateien"));
    CoTempo = Combo(page, "CoTempo", QStringLiteral("Temporäre Dateien"));
    LaProcess = Label(page, "LaProcess", QStringLiteral("Process Priority"));
    CoProcess = Combo(page, "CoProcess", QStringLiteral("Process Priority"));
    BuRecover = Button(page, "BuRecover", QStringLiteral("Wiederaufnahme"));
    CoRecover = Combo(page, "CoRecover", QStringLiteral("Beginnen mit"));
    lists->addWidget(LaTempo, 0, 0);
    lists->addWidget(CoTempo, 1, 0);
    lists->addWidget(LaProcess, 0, 1);
    lists->addWidget(CoProcess, 1, 1);
    lists->addWidget(BuRecover, 0, 2, Qt::AlignLeft);
    lists->addWidget(CoRecover, 1, 2);
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
    folder(LaRipDir, "LaRipDir",
           QStringLiteral("Ripp-Ordner: Verzeichnis für die gerippten und extrahierten Videos"), BuRipDir,
           "BuRipDir", QStringLiteral("Ripp-Ordner"), EdRipDir, "EdRipDir");
    folder(LaDVDDir, "LaDVDDir", QStringLiteral("DVD-Ordner: Verzeichnis für die fertige DVD"), BuDVDDir,
           "BuDVDDir", QStringLiteral("DVD-Ordner"), EdDVDDir, "EdDVDDir");
    folder(LaArbeitDir, "LaArbeitDir",
           QStringLiteral("Arbeits-Ordner: Verzeichnis für die temporären Dateien:"), BuArbeitDir,
           "BuArbeitDir", QStringLiteral("Arbeits-Ordner"), EdArbeitDir, "EdArbeitDir");
    layout->addStretch();

    auto* bottom = new QHBoxLayout;
    BuTools = Button(page, "BuTools", QStringLiteral("Tools"));
    BuMCI = Button(page, "BuMCI", QStringLiteral("MCI"));
    bottom->addWidget(BuTools);
    bottom->addWidget(BuMCI);
    bottom->addStretch();
    layout->addLayout(bottom);

    connect(BuArbeitDir, &QPushButton::clicked, this, &GeneralTab::BuArbeitDirClick);
    connect(BuDVDDir, &QPushButton::clicked, this, &GeneralTab::BuDVDDirClick);
    connect(BuRipDir, &QPushButton::clicked, this, &GeneralTab::BuRipDirClick);
    connect(BuTools, &QPushButton::clicked, this, &GeneralTab::BuToolsClick);
    connect(BuMCI, &QPushButton::clicked, this, &GeneralTab::BuMCIClick);
    connect(CoRecover, &QComboBox::activated, this, &GeneralTab::CoRecoverSelect);
    for (QComboBox* list : {CoTempo, CoProcess, CoRecover})
        list->installEventFilter(this);
    CoTempo->addItems({QStringLiteral("Sofort löschen"), QStringLiteral("Nach Muxen löschen"),
                       QStringLiteral("Nicht löschen")});
    CoTempo->setCurrentIndex(1);
    CoProcess->addItems({QStringLiteral("Niedrig"), QStringLiteral("Niedriger als Normal"),
                         QStringLiteral("Normal"), QStringLiteral("Höher als Normal"),
                         QStringLiteral("Hoch")});
    CoProcess->setMaxVisibleItems(5);
    CoProcess->setCurrentIndex(3);
}

bool GeneralTab::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const QString text = static_cast<QKeyEvent*>(event)->text();
    return !text.isEmpty() && text.at(0).isPrint();
}

// The folder chooser starts nowhere in particular when the start folder is gone.
QString GeneralTab::chooseFolder(const QString& title, const QString& start) {
    return host.dialogs().chooseFolder(title, QFileInfo(start).isDir() ? start : QString());
}

void GeneralTab::BuArbeitDirClick() {
    const QString chosen =
        chooseFolder(QStringLiteral("Arbeits-Verzeichnis auswählen:"), EdArbeitDir->text());
    if (!chosen.isEmpty()) {
        if (chosen.contains(EdDVDDir->text())) {
            host.dialogs().tell(
                Dialogs::Kind::Error,
                QStringLiteral("Das Arbeitsverzeichnis darf nicht\r\nim DVD Verzeichnis liegen."));
            return;
        }
        EdArbeitDir->setText(chosen);
        emit workFolderChosen(chosen);
    }
    host.runState().resumePoint = 0;
}

void GeneralTab::BuDVDDirClick() {
    const QString current = EdDVDDir->text();
    const QString start =
        WithoutTrailingSlash(QFileInfo(current).isDir() ? current : QFileInfo(current).path());
    const QString chosen = chooseFolder(QStringLiteral("DVD-Verzeichnis auswählen:"), start);
    if (chosen.isEmpty()) return;
    // The new DVD folder must be none of the folders set and lie above none of them.
    const ProgramSettings& s = host.settings();
    for (const QString& folder : {s.work, s.svcd, s.images, s.dvdRoot, s.ripRoot, s.projects})
        if (folder.contains(chosen)) {
            host.dialogs().tell(Dialogs::Kind::Error,
                                QStringLiteral("Das DVD Verzeichnis liegt über einem eingestellten\r\n"
                                               "Verzeichnis oder ist mit einem identisch."));
            return;
        }
    EdDVDDir->setText(chosen);
}

void GeneralTab::BuRipDirClick() {
    const QString chosen = chooseFolder(QStringLiteral("Ripp-Verzeichnis auswählen:"), EdRipDir->text());
    if (chosen.isEmpty()) return;
    if (chosen.contains(EdDVDDir->text())) {
        host.dialogs().tell(Dialogs::Kind::Error,
                            QStringLiteral("Das Ripp Verzeichnis darf nicht im DVD-Verzeichnis\r\n"
                                           "liegen oder mit ihm identisch sein."));
        return;
    }
    EdRipDir->setText(chosen);
}

void GeneralTab::BuToolsClick() {
    TFormTools tools(host.settings().tools, host.dialogs(), host.folders().programDir, window());
    connect(&tools, &TFormTools::ripToolChosen, this, &GeneralTab::ripToolChosen);
    tools.exec();
}

void GeneralTab::BuMCIClick() {
    ShowMciWindow(window());
}

void GeneralTab::setStages(const QStringList& stages) {
    CoRecover->clear();
    CoRecover->addItems(stages);
    CoRecover->setCurrentIndex(0);
}

void GeneralTab::resetStage() {
    CoRecover->setCurrentIndex(0);
}

void GeneralTab::setLocked(bool locked) {
    BuRecover->setEnabled(!locked);
}

void GeneralTab::CoRecoverSelect() {
    host.runState().resumePoint = 0;
}
