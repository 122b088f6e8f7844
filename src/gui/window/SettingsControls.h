#pragma once

#include <QHash>
#include <QString>

#include "persistence/ProgramSettings.h"

class QWidget;

// The controls that show settings, as the settings key table names them, found
// under the window.
class SettingsControls {
  public:
    explicit SettingsControls(const QWidget& window);

    // Reads every control into its field.
    void collect(ProgramSettings& settings) const;
    // Shows the fields in their controls; radio buttons are left to their tabs,
    // which set them as a click does.
    void apply(const ProgramSettings& settings) const;

  private:
    QHash<QString, QWidget*> controls_;
};
