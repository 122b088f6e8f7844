#include "persistence/GeneralTab.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/Tavrolin.h"
#include "app/Ui.h"

using namespace ui;

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
}

void GeneralTab::tavTabAllgemShow() {
    h.ShowStartButton();
}
