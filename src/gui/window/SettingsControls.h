#pragma once

#include <variant>
#include <vector>

#include "persistence/ProgramSettings.h"

class QWidget;

// The controls that show settings, found by their names under the window, each
// bound to the field of the settings record it shows.
class SettingsControls {
  public:
    explicit SettingsControls(const QWidget& window);

    // Reads every control into its field.
    void collect(ProgramSettings& settings) const;
    // Shows the fields in their controls; radio buttons are left to their tabs,
    // which set them as a click does.
    void apply(const ProgramSettings& settings) const;

  private:
    using Field = std::variant<bool ProgramSettings::*, int ProgramSettings::*, QString ProgramSettings::*>;
    struct Binding {
        QWidget* control;
        Field field;
    };
    std::vector<Binding> bindings_;
};
