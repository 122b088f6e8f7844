#pragma once

#include <QObject>

class QWidget;
class THaupt;

// The "Image, DVD" tab: ISO image, burning program, burner and label.
class ImageTab : public QObject {
    Q_OBJECT

  public:
    explicit ImageTab(THaupt& h);
    void build(QWidget* page);

    void tavTabImageShow();
    // After settings were loaded: the controls enable one another, the stage list follows.
    void SettingsLoaded();

  private:
    THaupt& h;
};
