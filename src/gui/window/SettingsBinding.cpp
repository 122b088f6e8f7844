#include <QCheckBox>

#include <QComboBox>
#include <QGuiApplication>
#include <QProgressBar>
#include <QRadioButton>
#include <QScreen>

#include "gui/tabs/AuthoringTab.h"
#include "gui/tabs/ImageTab.h"
#include "gui/tabs/LogTab.h"
#include "gui/tabs/RipTab.h"
#include "gui/window/SettingsControls.h"
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

int ItemCount(const QWidget& window, const char* name) {
    return window.findChild<QComboBox*>(QLatin1String(name))->count();
}

SettingsContext ContextOf(const THaupt& h) {
    SettingsContext c;
    c.programDir = h.folders().programDir;
    c.toolDir = h.folders().toolDir;
    c.menuDir = h.folders().menuDir;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        c.screenWidth = screen->geometry().width();
        c.screenHeight = screen->geometry().height();
    }
    c.windowWidth = h.width();
    c.windowHeight = h.height();
    c.burnerCount = ItemCount(h, "CoLW");
    c.speedCount = ItemCount(h, "CoSpeed");
    c.tempCount = ItemCount(h, "CoTempo");
    c.priorityCount = ItemCount(h, "CoProcess");
    return c;
}

}  // namespace

ProgramSettings& THaupt::settings() {
    if (!bindings_) return settings_;  // the window is being built
    bindings_->collect(settings_);
    settings_.posLinks = x();
    settings_.posOben = y();
    settings_.gaugeFore = GaugeColour(logTab->gauge(), kGaugeFore, ProgramSettings().gaugeFore);
    settings_.gaugeBack = GaugeColour(logTab->gauge(), kGaugeBack, ProgramSettings().gaugeBack);
    return settings_;
}

ProgramSettings THaupt::CollectSettings() {
    return settings();
}

void THaupt::ApplySettings(const ProgramSettings& s, bool full) {
    if (full) move(s.posLinks, s.posOben);
    const ToolPaths tools = settings_.tools;
    settings_ = s;  // the fields without a control
    if (!full) settings_.tools = tools;
    bindings_->apply(s);
    // Without a drive only extraction from images is possible.
    if ((s.ripImage && !s.ripDisc) || !ripTab->hasDrives())
        ripTab->RaRip1Click();
    else
        ripTab->RaRip2Click();
    // The last variant set wins; none set means no menu.
    authoringTab->chooseVariant(s.variant2 ? 2 : s.variant1 ? 1 : 0);
    SetRadio(findChild<QRadioButton*>(QStringLiteral("RaDec")), s.decrypter && !s.imgTool);
    SetRadio(findChild<QRadioButton*>(QStringLiteral("RaImg")), s.imgTool);
    SetGaugeColours(logTab->gauge(), s.gaugeFore, s.gaugeBack);
}

void THaupt::LoadSettings(const QString& file, bool full) {
    ProgramSettings settings = CollectSettings();
    const SettingsLoadOutcome outcome = SettingsLoad(file, full, settings, ContextOf(*this));
    ApplySettings(settings, full);
    if (!outcome.tools) return;
    // Controls that are useless without the tools the search did not find.
    if (!outcome.tools->rip) ripTab->disableRipping();
    imageTab->disableMissingBurners(*outcome.tools);
}

bool THaupt::SaveSettings(const QString& file, bool full) {
    return SettingsSave(file, full, CollectSettings());
}
