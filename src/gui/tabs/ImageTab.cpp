#include "gui/tabs/ImageTab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QValidator>

#include "gui/tabs/TabHost.h"
#include "gui/window/Ui.h"
#include "persistence/ProgramSettings.h"
#include "pipeline/BurnOptions.h"
#include "platform/Paths.h"
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

ImageTab::ImageTab(TabHost& tabHost) : host(tabHost) {
    build();
}

void ImageTab::build() {
    QWidget* page = this;
    auto* layout = new QGridLayout(page);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setHorizontalSpacing(16);

    // Left: image
    auto* image = new QVBoxLayout;
    ChImage = Check(page, "ChImage", QStringLiteral("Image erstellen"));
    ChSplit = Check(page, "ChSplit", QStringLiteral("Split 1GB"));
    LaImgLabel = Label(page, "LaImgLabel", QStringLiteral("DVD Label"));
    EdDVDLabel = Edit(page, "EdDVDLabel", QStringLiteral("DVD Label"));
    EdDVDLabel->setMaxLength(kDvdLabelLength);
    EdDVDLabel->setValidator(new DvdLabelValidator(EdDVDLabel));
    image->addWidget(ChImage);
    image->addWidget(ChSplit);
    image->addSpacing(8);
    image->addWidget(LaImgLabel);
    image->addWidget(EdDVDLabel);
    image->addStretch();
    layout->addLayout(image, 0, 0);

    // Right: burning
    auto* burn = new QGridLayout;
    burn->setVerticalSpacing(3);
    ChBrennen = Check(page, "ChBrennen", QStringLiteral("Image/DVD brennen"));
    burn->addWidget(ChBrennen, 0, 0, 1, 2);
    LaImgBrenn = Label(page, "LaImgBrenn", QStringLiteral("Brennprogr."));
    RaDec = Radio(page, "RaDec", QStringLiteral("DVD Decrypter"));
    RaImg = Radio(page, "RaImg", QStringLiteral("ImgTool Burn"));
    burn->addWidget(LaImgBrenn, 1, 0);
    burn->addWidget(RaDec, 1, 1);
    burn->addWidget(RaImg, 2, 1);
    LaImgBrenner = Label(page, "LaImgBrenner", QStringLiteral("Brenner"));
    CoLW = Combo(page, "CoLW", QStringLiteral("Brenner"));
    burn->addWidget(LaImgBrenner, 3, 0);
    burn->addWidget(CoLW, 3, 1);
    LaImgSpeed = Label(page, "LaImgSpeed", QStringLiteral("Speed"));
    CoSpeed = Combo(page, "CoSpeed", QStringLiteral("Speed"));
    CoSpeed->setMaxVisibleItems(3);
    burn->addWidget(LaImgSpeed, 4, 0);
    burn->addWidget(CoSpeed, 4, 1);
    LaImgOptions = Label(page, "LaImgOptions", QStringLiteral("Optionen"));
    burn->addWidget(LaImgOptions, 5, 0, Qt::AlignTop);
    ChErase = Check(page, "ChErase", QStringLiteral("RWs ohne Nachfrage löschen"));
    ChShutdown = Check(page, "ChShutdown", QStringLiteral("Nach dem Brennen herunterfahren"));
    ChEject = Check(page, "ChEject", QStringLiteral("DVD nach dem Brennen nicht auswerfen"));
    ChLog = Check(page, "ChLog", QStringLiteral("Logdatei speichern"));
    int row = 5;
    for (QCheckBox* box : {ChErase, ChShutdown, ChEject, ChLog})
        burn->addWidget(box, row++, 1);
    burn->setColumnStretch(1, 1);
    layout->addLayout(burn, 0, 1);

    LaISODatei =
        Label(page, "LaISODatei", QStringLiteral("Pfad und Dateiname der zu speichernden Imagedatei."));
    EdISODatei = Edit(page, "EdISODatei", QStringLiteral("Imagedatei"));
    layout->addWidget(LaISODatei, 1, 0, 1, 2);
    layout->addWidget(EdISODatei, 2, 0, 1, 2);
    layout->setRowStretch(0, 1);
    layout->setColumnStretch(1, 1);

    connect(RaDec, &QRadioButton::clicked, this, &ImageTab::RaDecClick);
    connect(RaImg, &QRadioButton::clicked, this, &ImageTab::RaImgClick);
    connect(ChBrennen, &QCheckBox::clicked, this, &ImageTab::ChBrennenClick);
    connect(ChImage, &QCheckBox::clicked, this, &ImageTab::ChImageClick);
    connect(EdDVDLabel, &QLineEdit::textChanged, this, &ImageTab::EdDVDLabelChange);
    for (QWidget* watched : std::initializer_list<QWidget*>{EdDVDLabel, EdISODatei, CoLW, CoSpeed})
        watched->installEventFilter(this);
    CoSpeed->addItems({QStringLiteral("Max"), QStringLiteral("1x"), QStringLiteral("2x"),
                       QStringLiteral("4x"), QStringLiteral("8x"), QStringLiteral("16x"),
                       QStringLiteral("20x")});
    CoSpeed->setCurrentIndex(0);
}

void ImageTab::setDrives(const QStringList& entries) {
    CoLW->clear();
    CoLW->addItems(entries);
}

void ImageTab::disableMissingBurners(const ToolAvailability& found) {
    if (!found.decrypter) RaDec->setEnabled(false);
    if (!found.imgTool) RaImg->setEnabled(false);
    if (found.anyBurner()) return;
    for (QWidget* w :
         std::initializer_list<QWidget*>{ChBrennen, LaImgBrenn, LaImgBrenner, LaImgSpeed, LaImgOptions, CoLW,
                                         CoSpeed, ChErase, ChShutdown, ChEject, ChLog})
        w->setEnabled(false);
}

void ImageTab::setWorkFolder(const QString& folder) {
    EdISODatei->setText(JoinPath(folder, EdDVDLabel->text() + QStringLiteral(".iso")));
}

bool ImageTab::eventFilter(QObject* watched, QEvent* event) {
    if (watched == EdDVDLabel && event->type() == QEvent::FocusOut) {
        EdDVDLabelExit();
    } else if (watched == EdISODatei && event->type() == QEvent::FocusIn) {
        // After the edit's own focus handling: cursor to the end, nothing selected.
        QTimer::singleShot(0, EdISODatei, [edit = EdISODatei] { edit->end(false); });
    } else if ((watched == CoLW || watched == CoSpeed) && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        return !text.isEmpty() && text.at(0).isPrint();
    }
    return QObject::eventFilter(watched, event);
}

ToolAvailability ImageTab::burnTools() const {
    ToolAvailability found;
    found.decrypter = ToolFound(host.settings().tools[Tool::Decrypter]);
    found.imgTool = ToolFound(host.settings().tools[Tool::ImgTool]);
    return found;
}

// A loaded choice of a program that is not there gives way to the one that is;
// without any burn program nothing can be burned.
void ImageTab::chooseFoundBurnTool() {
    const ToolAvailability found = burnTools();
    bool decrypter = RaDec->isChecked();
    bool imgTool = RaImg->isChecked();
    ChooseBurnTool(decrypter, imgTool, found);
    if (decrypter && !RaDec->isChecked()) RaDec->setChecked(true);
    if (imgTool && !RaImg->isChecked()) RaImg->setChecked(true);
    if (!found.anyBurner()) ChBrennen->setChecked(false);
    ChBrennen->setEnabled(found.anyBurner());
}

void ImageTab::SettingsLoaded() {
    chooseFoundBurnTool();
    ApplyBurnOptions();
    BuildStageList();
}

void ImageTab::BuildStageList() {
    const ToolAvailability found = burnTools();
    BurnChoice choice;
    choice.decrypter = RaDec->isChecked() && found.decrypter;
    choice.imgTool = RaImg->isChecked() && found.imgTool;
    choice.image = ChImage->isChecked();
    choice.burn = ChBrennen->isChecked();
    emit stagesChanged(StageList(choice));
}

void ImageTab::ApplyBurnOptions() {
    if (!ChBrennen->isChecked()) {
        ChImage->setEnabled(true);
        SetEnabled({LaImgBrenn, RaDec, RaImg, LaImgBrenner, LaImgSpeed, CoLW, CoSpeed, LaImgOptions, ChErase,
                    ChShutdown, ChEject, ChSplit, ChLog},
                   false);
        ApplyImageOptions();
        return;
    }
    const ToolAvailability found = burnTools();
    LaImgBrenn->setEnabled(true);
    RaDec->setEnabled(found.decrypter);
    RaImg->setEnabled(found.imgTool);
    if (RaDec->isChecked()) {
        // DVD Decrypter burns an image, so the image and its label are needed.
        ChImage->setChecked(true);
        const bool speed = SpeedSelectable(FileVersionText(host.settings().tools[Tool::Decrypter]));
        SetEnabled({LaImgSpeed, CoSpeed}, speed);
        SetEnabled({ChImage, LaImgBrenner, CoLW, LaImgOptions, ChErase, ChShutdown, ChSplit, EdISODatei,
                    LaImgLabel, EdDVDLabel},
                   true);
        SetEnabled({ChEject, ChLog}, false);
    } else if (RaImg->isChecked()) {
        // ImgTool Burn writes the DVD folder itself, under the label.
        SetEnabled({ChImage, ChSplit, LaImgSpeed, CoSpeed, EdISODatei}, false);
        const bool burners = BurnerListUsable(CoLW->itemText(0), host.settings().tools[Tool::ImgTool]);
        SetEnabled({CoLW, LaImgBrenner}, burners);
        SetEnabled({LaImgOptions, ChErase, ChShutdown, ChEject, ChLog, LaImgLabel, EdDVDLabel}, true);
    }
}

void ImageTab::ApplyImageOptions() {
    const bool image = ChImage->isChecked();
    SetEnabled({ChSplit, LaImgLabel, EdDVDLabel, EdISODatei}, image);
    if (!image) ChBrennen->setChecked(false);
}

// The stage list is rebuilt after the options settled, so that it shows what a
// run will do (DVD Decrypter forces the image on).
void ImageTab::RaDecClick() {
    RaDec->setChecked(true);
    ApplyBurnOptions();
    ApplyImageOptions();
    BuildStageList();
}

void ImageTab::RaImgClick() {
    RaImg->setChecked(true);
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
    EdISODatei->setText(ImagePath(host.settings().work, EdDVDLabel->text()));
}

void ImageTab::EdDVDLabelExit() {
    if (EdDVDLabel->text().isEmpty()) EdDVDLabel->setText(DefaultDvdLabel());
}
