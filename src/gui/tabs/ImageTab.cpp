#include "gui/tabs/ImageTab.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QValidator>

#include "gui/window/Tavrolin.h"
#include "gui/window/Ui.h"
#include "pipeline/BurnOptions.h"
#include "tools/FileVersion.h"
#include "tools/ToolSearch.h"

using namespace ui;

namespace {

// Keeps the label valid however its text arrives (typed, pasted or set).
class DvdLabelValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        const int kept = DvdLabelText(input.left(pos)).size();
        input = DvdLabelText(input);
        pos = std::min(kept, static_cast<int>(input.size()));
        return Acceptable;
    }
};

void SetEnabled(std::initializer_list<QWidget*> widgets, bool enabled) {
    for (QWidget* widget : widgets)
        widget->setEnabled(enabled);
}

}  // namespace

ImageTab::ImageTab(THaupt& haupt) : QObject(&haupt), h(haupt) {}

void ImageTab::build(QWidget* page) {
    auto* layout = new QGridLayout(page);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setHorizontalSpacing(16);

    // Left: image
    auto* image = new QVBoxLayout;
    h.ChImage = Check(page, "ChImage", QStringLiteral("Image erstellen"));
    h.ChSplit = Check(page, "ChSplit", QStringLiteral("Split 1GB"));
    h.LaImgLabel = Label(page, "LaImgLabel", QStringLiteral("DVD Label"));
    h.EdDVDLabel = Edit(page, "EdDVDLabel", QStringLiteral("DVD Label"));
    h.EdDVDLabel->setMaxLength(kDvdLabelLength);
    h.EdDVDLabel->setValidator(new DvdLabelValidator(h.EdDVDLabel));
    image->addWidget(h.ChImage);
    image->addWidget(h.ChSplit);
    image->addSpacing(8);
    image->addWidget(h.LaImgLabel);
    image->addWidget(h.EdDVDLabel);
    image->addStretch();
    layout->addLayout(image, 0, 0);

    // Right: burning
    auto* burn = new QGridLayout;
    burn->setVerticalSpacing(3);
    h.ChBrennen = Check(page, "ChBrennen", QStringLiteral("Image/DVD brennen"));
    burn->addWidget(h.ChBrennen, 0, 0, 1, 2);
    h.LaImgBrenn = Label(page, "LaImgBrenn", QStringLiteral("Brennprogr."));
    h.RaDec = Radio(page, "RaDec", QStringLiteral("DVD Decrypter"));
    h.RaImg = Radio(page, "RaImg", QStringLiteral("ImgTool Burn"));
    burn->addWidget(h.LaImgBrenn, 1, 0);
    burn->addWidget(h.RaDec, 1, 1);
    burn->addWidget(h.RaImg, 2, 1);
    h.LaImgBrenner = Label(page, "LaImgBrenner", QStringLiteral("Brenner"));
    h.CoLW = Combo(page, "CoLW", QStringLiteral("Brenner"));
    burn->addWidget(h.LaImgBrenner, 3, 0);
    burn->addWidget(h.CoLW, 3, 1);
    h.LaImgSpeed = Label(page, "LaImgSpeed", QStringLiteral("Speed"));
    h.CoSpeed = Combo(page, "CoSpeed", QStringLiteral("Speed"));
    h.CoSpeed->setMaxVisibleItems(3);
    burn->addWidget(h.LaImgSpeed, 4, 0);
    burn->addWidget(h.CoSpeed, 4, 1);
    h.LaImgOptions = Label(page, "LaImgOptions", QStringLiteral("Optionen"));
    burn->addWidget(h.LaImgOptions, 5, 0, Qt::AlignTop);
    h.ChErase = Check(page, "ChErase", QStringLiteral("RWs ohne Nachfrage löschen"));
    h.ChShutdown = Check(page, "ChShutdown", QStringLiteral("Nach dem Brennen herunterfahren"));
    h.ChEject = Check(page, "ChEject", QStringLiteral("DVD nach dem Brennen nicht auswerfen"));
    h.ChLog = Check(page, "ChLog", QStringLiteral("Logdatei speichern"));
    int row = 5;
    for (QCheckBox* box : {h.ChErase, h.ChShutdown, h.ChEject, h.ChLog})
        burn->addWidget(box, row++, 1);
    burn->setColumnStretch(1, 1);
    layout->addLayout(burn, 0, 1);

    h.LaISODatei =
        Label(page, "LaISODatei", QStringLiteral("Pfad und Dateiname der zu speichernden Imagedatei."));
    h.EdISODatei = Edit(page, "EdISODatei", QStringLiteral("Imagedatei"));
    layout->addWidget(h.LaISODatei, 1, 0, 1, 2);
    layout->addWidget(h.EdISODatei, 2, 0, 1, 2);
    layout->setRowStretch(0, 1);
    layout->setColumnStretch(1, 1);

    connect(h.RaDec, &QRadioButton::clicked, this, &ImageTab::RaDecClick);
    connect(h.RaImg, &QRadioButton::clicked, this, &ImageTab::RaImgClick);
    connect(h.ChBrennen, &QCheckBox::clicked, this, &ImageTab::ChBrennenClick);
    connect(h.ChImage, &QCheckBox::clicked, this, &ImageTab::ChImageClick);
    connect(h.EdDVDLabel, &QLineEdit::textChanged, this, &ImageTab::EdDVDLabelChange);
    for (QWidget* watched : std::initializer_list<QWidget*>{h.EdDVDLabel, h.EdISODatei, h.CoLW, h.CoSpeed})
        watched->installEventFilter(this);
}

bool ImageTab::eventFilter(QObject* watched, QEvent* event) {
    if (watched == h.EdDVDLabel && event->type() == QEvent::FocusOut) {
        EdDVDLabelExit();
    } else if (watched == h.EdISODatei && event->type() == QEvent::FocusIn) {
        // After the edit's own focus handling: cursor to the end, nothing selected.
        QTimer::singleShot(0, h.EdISODatei, [edit = h.EdISODatei] { edit->end(false); });
    } else if ((watched == h.CoLW || watched == h.CoSpeed) && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        return !text.isEmpty() && text.at(0).isPrint();
    }
    return QObject::eventFilter(watched, event);
}

ToolAvailability ImageTab::burnTools() const {
    ToolAvailability found;
    found.decrypter = ToolFound(h.Tools[Tool::Decrypter]);
    found.imgTool = ToolFound(h.Tools[Tool::ImgTool]);
    return found;
}

// A loaded choice of a program that is not there gives way to the one that is;
// without any burn program nothing can be burned.
void ImageTab::chooseFoundBurnTool() {
    const ToolAvailability found = burnTools();
    bool decrypter = h.RaDec->isChecked();
    bool imgTool = h.RaImg->isChecked();
    ChooseBurnTool(decrypter, imgTool, found);
    if (decrypter && !h.RaDec->isChecked()) h.RaDec->setChecked(true);
    if (imgTool && !h.RaImg->isChecked()) h.RaImg->setChecked(true);
    if (!found.anyBurner()) h.ChBrennen->setChecked(false);
    h.ChBrennen->setEnabled(found.anyBurner());
}

void ImageTab::SettingsLoaded() {
    chooseFoundBurnTool();
    ApplyBurnOptions();
    BuildStageList();
}

void ImageTab::BuildStageList() {
    const ToolAvailability found = burnTools();
    BurnChoice choice;
    choice.decrypter = h.RaDec->isChecked() && found.decrypter;
    choice.imgTool = h.RaImg->isChecked() && found.imgTool;
    choice.image = h.ChImage->isChecked();
    choice.burn = h.ChBrennen->isChecked();
    h.CoRecover->clear();
    h.CoRecover->addItems(StageList(choice));
    h.CoRecover->setCurrentIndex(0);
}

void ImageTab::ApplyBurnOptions() {
    if (!h.ChBrennen->isChecked()) {
        h.ChImage->setEnabled(true);
        SetEnabled({h.LaImgBrenn, h.RaDec, h.RaImg, h.LaImgBrenner, h.LaImgSpeed, h.CoLW, h.CoSpeed,
                    h.LaImgOptions, h.ChErase, h.ChShutdown, h.ChEject, h.ChSplit, h.ChLog},
                   false);
        ApplyImageOptions();
        return;
    }
    const ToolAvailability found = burnTools();
    h.LaImgBrenn->setEnabled(true);
    h.RaDec->setEnabled(found.decrypter);
    h.RaImg->setEnabled(found.imgTool);
    if (h.RaDec->isChecked()) {
        // DVD Decrypter burns an image, so the image and its label are needed.
        h.ChImage->setChecked(true);
        const bool speed = SpeedSelectable(FileVersionText(h.Tools[Tool::Decrypter]));
        SetEnabled({h.LaImgSpeed, h.CoSpeed}, speed);
        SetEnabled({h.ChImage, h.LaImgBrenner, h.CoLW, h.LaImgOptions, h.ChErase, h.ChShutdown, h.ChSplit,
                    h.EdISODatei, h.LaImgLabel, h.EdDVDLabel},
                   true);
        SetEnabled({h.ChEject, h.ChLog}, false);
    } else if (h.RaImg->isChecked()) {
        // ImgTool Burn writes the DVD folder itself, under the label.
        SetEnabled({h.ChImage, h.ChSplit, h.LaImgSpeed, h.CoSpeed, h.EdISODatei}, false);
        const bool burners = BurnerListUsable(h.CoLW->itemText(0), h.Tools[Tool::ImgTool]);
        SetEnabled({h.CoLW, h.LaImgBrenner}, burners);
        SetEnabled({h.LaImgOptions, h.ChErase, h.ChShutdown, h.ChEject, h.ChLog, h.LaImgLabel, h.EdDVDLabel},
                   true);
    }
}

void ImageTab::ApplyImageOptions() {
    const bool image = h.ChImage->isChecked();
    SetEnabled({h.ChSplit, h.LaImgLabel, h.EdDVDLabel, h.EdISODatei}, image);
    if (!image) h.ChBrennen->setChecked(false);
}

void ImageTab::tavTabImageShow() {
    h.ShowStartButton();
}

// The stage list is rebuilt after the options settled, so that it shows what a
// run will do (DVD Decrypter forces the image on).
void ImageTab::RaDecClick() {
    h.RaDec->setChecked(true);
    ApplyBurnOptions();
    ApplyImageOptions();
    BuildStageList();
}

void ImageTab::RaImgClick() {
    h.RaImg->setChecked(true);
    ApplyBurnOptions();
    BuildStageList();
}

void ImageTab::ChBrennenClick() {
    ApplyBurnOptions();
    BuildStageList();
}

void ImageTab::ChImageClick() {
    if (burnTools().anyBurner()) ApplyBurnOptions();
    ApplyImageOptions();
    BuildStageList();
}

void ImageTab::EdDVDLabelChange() {
    h.EdISODatei->setText(ImagePath(h.Pfade.Arbeit, h.EdDVDLabel->text()));
}

void ImageTab::EdDVDLabelExit() {
    if (h.EdDVDLabel->text().isEmpty()) h.EdDVDLabel->setText(DefaultDvdLabel());
}
