#include "gui/window/SettingsControls.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "persistence/Settings.h"

namespace {

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
    ProgramSettings names;
    ForEachShownSetting(names, [&](const char* name, SettingField) {
        QWidget* control = window.findChild<QWidget*>(QLatin1String(name));
        Q_ASSERT_X(control, "SettingsControls", name);
        controls_.insert(QLatin1String(name), control);
    });
}

void SettingsControls::collect(ProgramSettings& settings) const {
    ForEachShownSetting(settings, [this](const char* name, SettingField field) {
        const QWidget* control = controls_.value(QLatin1String(name));
        if (bool** flag = std::get_if<bool*>(&field))
            **flag = qobject_cast<const QAbstractButton*>(control)->isChecked();
        else if (int** number = std::get_if<int*>(&field))
            **number = NumberOf(control);
        else
            *std::get<QString*>(field) = qobject_cast<const QLineEdit*>(control)->text();
    });
}

void SettingsControls::apply(const ProgramSettings& settings) const {
    ProgramSettings values = settings;
    ForEachShownSetting(values, [this](const char* name, SettingField field) {
        QWidget* control = controls_.value(QLatin1String(name));
        if (bool** flag = std::get_if<bool*>(&field)) {
            if (!qobject_cast<QRadioButton*>(control))
                qobject_cast<QAbstractButton*>(control)->setChecked(**flag);
        } else if (int** number = std::get_if<int*>(&field)) {
            SetNumber(control, **number);
        } else {
            qobject_cast<QLineEdit*>(control)->setText(*std::get<QString*>(field));
        }
    });
}
