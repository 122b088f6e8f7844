#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

#include "gui/tabs/AuthoringTab.h"
#include "gui/tabs/RipTab.h"
#include "gui/window/Tavrolin.h"
#include "persistence/Settings.h"

namespace {

// GaFort keeps the colour texts of the settings beside its palette.
const char* const kGaugeFore = "GaugeFore";
const char* const kGaugeBack = "GaugeBack";

// A system colour (0xFF0000nn) in the colours of the platform's palette.
QColor SystemColour(int index, const QPalette& p) {
    switch (index) {
        case 2:
        case 13:
        case 29:
            return p.color(QPalette::Highlight);
        case 5:
            return p.color(QPalette::Base);
        case 6:
        case 21:
            return p.color(QPalette::Shadow);
        case 7:
        case 19:
            return p.color(QPalette::WindowText);
        case 8:
            return p.color(QPalette::Text);
        case 9:
        case 14:
            return p.color(QPalette::HighlightedText);
        case 3:
        case 12:
            return p.color(QPalette::Mid);
        case 15:
            return p.color(QPalette::Button);
        case 16:
            return p.color(QPalette::Dark);
        case 17:
            return p.color(QPalette::Disabled, QPalette::Text);
        case 18:
            return p.color(QPalette::ButtonText);
        case 20:
            return p.color(QPalette::Light);
        case 0:
        case 22:
            return p.color(QPalette::Midlight);
        case 23:
            return p.color(QPalette::ToolTipText);
        case 24:
            return p.color(QPalette::ToolTipBase);
        case 26:
            return p.color(QPalette::Link);
        case 27:
            return p.color(QPalette::Highlight).lighter(160);
        case 28:
            return p.color(QPalette::Mid).lighter(130);
        default:
            return p.color(QPalette::Window);
    }
}

QColor ToQColor(const QString& text, const QPalette& palette) {
    const IniFile::Colour colour = ParseColour(text).value_or(0);
    if ((colour & 0xFF000000u) == 0xFF000000u) return SystemColour(colour & 0xFF, palette);
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

void SetGaugeColours(QProgressBar* gauge, const QString& fore, const QString& back) {
    QPalette palette = gauge->palette();
    palette.setColor(QPalette::Highlight, ToQColor(fore, palette));
    const QColor background = ToQColor(back, palette);
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Window, background);
    gauge->setPalette(palette);
    gauge->setProperty(kGaugeFore, fore);
    gauge->setProperty(kGaugeBack, back);
}

QString GaugeColour(const QProgressBar* gauge, const char* name, const QString& fallback) {
    const QString text = gauge->property(name).toString();
    return text.isEmpty() ? fallback : text;
}

// Sets a radio button; unlike setChecked alone this can also clear the checked one.
void SetRadio(QRadioButton* radio, bool checked) {
    if (radio->isChecked() == checked) return;
    const bool exclusive = radio->autoExclusive();
    radio->setAutoExclusive(false);
    radio->setChecked(checked);
    radio->setAutoExclusive(exclusive);
}

SettingsContext ContextOf(const THaupt& h) {
    SettingsContext c;
    c.programDir = h.ProgramDir;
    c.toolDir = h.Folders.toolDir;
    c.menuDir = h.Folders.menuDir;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        c.screenWidth = screen->geometry().width();
        c.screenHeight = screen->geometry().height();
    }
    c.windowWidth = h.width();
    c.windowHeight = h.height();
    c.burnerCount = h.CoLW->count();
    c.speedCount = h.CoSpeed->count();
    c.tempCount = h.CoTempo->count();
    c.priorityCount = h.CoProcess->count();
    return c;
}

void DisableAll(std::initializer_list<QWidget*> widgets) {
    for (QWidget* widget : widgets)
        widget->setEnabled(false);
}

// Controls that are useless without the tools the search did not find.
void ApplyToolAvailability(THaupt& h, const ToolAvailability& found) {
    if (!found.rip) DisableAll({h.RaRip1, h.RaRip2, h.PaImage, h.PaRipp});
    if (!found.decrypter) h.RaDec->setEnabled(false);
    if (!found.imgTool) h.RaImg->setEnabled(false);
    if (!found.anyBurner())
        DisableAll({h.ChBrennen, h.LaImgBrenn, h.LaImgBrenner, h.LaImgSpeed, h.LaImgOptions, h.CoLW,
                    h.CoSpeed, h.ChErase, h.ChShutdown, h.ChEject, h.ChLog});
}

}  // namespace

ProgramSettings THaupt::CollectSettings() const {
    ProgramSettings s;
    s.posLinks = x();
    s.posOben = y();
    s.ripImage = RaRip1->isChecked();
    s.ripDisc = RaRip2->isChecked();
    s.ripAddToList = ChRipDatei->isChecked();
    s.volume = ScLaut->value();
    s.chapterInterval = EdAlle->text();
    s.chapterCount = EdGleich->text();
    s.onePgcPerFile = ChPGC->isChecked();
    s.variant0 = RaVar0->isChecked();
    s.variant1 = RaVar1->isChecked();
    s.variant2 = RaVar2->isChecked();
    s.playMenuFirst = ChVorMenu->isChecked();
    s.menu1 = Author.Menue1;
    s.menu2 = Author.Menue2;
    s.menu3 = Author.Menue3;
    s.burn = ChBrennen->isChecked();
    s.image = ChImage->isChecked();
    s.split = ChSplit->isChecked();
    s.decrypter = RaDec->isChecked();
    s.imgTool = RaImg->isChecked();
    s.label = EdDVDLabel->text();
    s.burner = CoLW->currentIndex();
    s.speed = CoSpeed->currentIndex();
    s.erase = ChErase->isChecked();
    s.shutdown = ChShutdown->isChecked();
    s.eject = ChEject->isChecked();
    s.burnLog = ChLog->isChecked();
    s.isoPath = EdISODatei->text();
    s.tools = Tools;
    s.singleStep = ChEinzel->isChecked();
    s.ownProjectName = ChName->isChecked();
    s.editScript = ChXML->isChecked();
    s.hideToolPaths = ChTools->isChecked();
    s.tempPolicy = CoTempo->currentIndex();
    s.recover = CoRecover->currentIndex();
    s.priority = CoProcess->currentIndex();
    s.gaugeFore = GaugeColour(GaFort, kGaugeFore, s.gaugeFore);
    s.gaugeBack = GaugeColour(GaFort, kGaugeBack, s.gaugeBack);
    s.svcd = Pfade.SVCD;
    s.images = Pfade.Images;
    s.work = Pfade.Arbeit;
    s.dvdRoot = Pfade.DVDroot;
    s.ripRoot = Pfade.RIProot;
    s.projects = Pfade.Projekte;
    return s;
}

void THaupt::ApplySettings(const ProgramSettings& s, bool full) {
    if (full) move(s.posLinks, s.posOben);
    // Without a drive only extraction from images is possible.
    if ((s.ripImage && !s.ripDisc) || CoLWRipA->count() == 0)
        ripTab->RaRip1Click();
    else
        ripTab->RaRip2Click();
    ChRipDatei->setChecked(s.ripAddToList);
    ScLaut->setValue(s.volume);
    EdAlle->setText(s.chapterInterval);
    EdGleich->setText(s.chapterCount);
    ChPGC->setChecked(s.onePgcPerFile);
    Author.Menue1 = s.menu1;
    Author.Menue2 = s.menu2;
    Author.Menue3 = s.menu3;
    // The last variant set wins; none set means no menu.
    if (s.variant2)
        authoringTab->RaVar2Click();
    else if (s.variant1)
        authoringTab->RaVar1Click();
    else
        authoringTab->RaVar0Click();
    ChVorMenu->setChecked(s.playMenuFirst);
    ChBrennen->setChecked(s.burn);
    ChImage->setChecked(s.image);
    ChSplit->setChecked(s.split);
    SetRadio(RaDec, s.decrypter && !s.imgTool);
    SetRadio(RaImg, s.imgTool);
    EdDVDLabel->setText(s.label);
    CoLW->setCurrentIndex(s.burner);
    CoSpeed->setCurrentIndex(s.speed);
    ChErase->setChecked(s.erase);
    ChShutdown->setChecked(s.shutdown);
    ChEject->setChecked(s.eject);
    ChLog->setChecked(s.burnLog);
    EdISODatei->setText(s.isoPath);
    if (full) Tools = s.tools;
    ChEinzel->setChecked(s.singleStep);
    ChName->setChecked(s.ownProjectName);
    ChXML->setChecked(s.editScript);
    ChTools->setChecked(s.hideToolPaths);
    CoTempo->setCurrentIndex(s.tempPolicy);
    CoProcess->setCurrentIndex(s.priority);
    SetGaugeColours(GaFort, s.gaugeFore, s.gaugeBack);
    Pfade.SVCD = s.svcd;
    Pfade.Images = s.images;
    Pfade.Arbeit = s.work;
    Pfade.DVDroot = s.dvdRoot;
    Pfade.RIProot = s.ripRoot;
    Pfade.Projekte = s.projects;
    EdArbeitDir->setText(Pfade.Arbeit);
    EdDVDDir->setText(Pfade.DVDroot);
    EdRipDir->setText(Pfade.RIProot);
}

void THaupt::LoadSettings(const QString& file, bool full) {
    ProgramSettings settings = CollectSettings();
    const SettingsLoadOutcome outcome = SettingsLoad(file, full, settings, ContextOf(*this));
    ApplySettings(settings, full);
    if (outcome.tools) ApplyToolAvailability(*this, *outcome.tools);
}

bool THaupt::SaveSettings(const QString& file, bool full) {
    return SettingsSave(file, full, CollectSettings());
}
