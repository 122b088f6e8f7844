#include "gui/window/SettingsControls.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {

using S = ProgramSettings;

struct Named {
    const char* control;
    std::variant<bool S::*, int S::*, QString S::*> field;
};

// In the order of the settings file.
const Named kBindings[] = {
    {"RaRip1", &S::ripImage},       {"RaRip2", &S::ripDisc},          {"ChRipDatei", &S::ripAddToList},
    {"ScLaut", &S::volume},         {"EdAlle", &S::chapterInterval},  {"EdGleich", &S::chapterCount},
    {"ChPGC", &S::onePgcPerFile},   {"RaVar0", &S::variant0},         {"RaVar1", &S::variant1},
    {"RaVar2", &S::variant2},       {"ChVorMenu", &S::playMenuFirst}, {"ChBrennen", &S::burn},
    {"ChImage", &S::image},         {"ChSplit", &S::split},           {"RaDec", &S::decrypter},
    {"RaImg", &S::imgTool},         {"EdDVDLabel", &S::label},        {"CoLW", &S::burner},
    {"CoSpeed", &S::speed},         {"ChErase", &S::erase},           {"ChShutdown", &S::shutdown},
    {"ChEject", &S::eject},         {"ChLog", &S::burnLog},           {"EdISODatei", &S::isoPath},
    {"ChEinzel", &S::singleStep},   {"ChName", &S::ownProjectName},   {"ChXML", &S::editScript},
    {"ChTools", &S::hideToolPaths}, {"CoTempo", &S::tempPolicy},      {"CoRecover", &S::recover},
    {"CoProcess", &S::priority},    {"EdArbeitDir", &S::work},        {"EdDVDDir", &S::dvdRoot},
    {"EdRipDir", &S::ripRoot},
};

int NumberOf(const QWidget* control) {
    if (auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentIndex();
    return qobject_cast<const QAbstractSlider*>(control)->value();
}

void SetNumber(QWidget* control, int value) {
    if (auto* combo = qobject_cast<QComboBox*>(control))
        combo->setCurrentIndex(value);
    else
        qobject_cast<QAbstractSlider*>(control)->setValue(value);
}

}  // namespace

SettingsControls::SettingsControls(const QWidget& window) {
    for (const Named& named : kBindings) {
        QWidget* control = window.findChild<QWidget*>(QLatin1String(named.control));
        Q_ASSERT_X(control, "SettingsControls", named.control);
        bindings_.push_back({control, named.field});
    }
}

void SettingsControls::collect(ProgramSettings& s) const {
    for (const Binding& b : bindings_) {
        if (auto* flag = std::get_if<bool S::*>(&b.field))
            s.*(*flag) = qobject_cast<QAbstractButton*>(b.control)->isChecked();
        else if (auto* number = std::get_if<int S::*>(&b.field))
            s.*(*number) = NumberOf(b.control);
        else
            s.*std::get<QString S::*>(b.field) = qobject_cast<QLineEdit*>(b.control)->text();
    }
}

void SettingsControls::apply(const ProgramSettings& s) const {
    for (const Binding& b : bindings_) {
        if (auto* flag = std::get_if<bool S::*>(&b.field)) {
            if (!qobject_cast<QRadioButton*>(b.control))
                qobject_cast<QAbstractButton*>(b.control)->setChecked(s.*(*flag));
        } else if (auto* number = std::get_if<int S::*>(&b.field)) {
            SetNumber(b.control, s.*(*number));
        } else {
            qobject_cast<QLineEdit*>(b.control)->setText(s.*std::get<QString S::*>(b.field));
        }
    }
}
