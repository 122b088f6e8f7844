#pragma once

#include <QObject>

class QWidget;
class THaupt;

// The "SVCDRipp" tab: discs in drives or a list of disc images.
class RipTab : public QObject {
    Q_OBJECT

  public:
    explicit RipTab(THaupt& h);
    void build(QWidget* page);

    // Fills CoLW and the six rip lists with the optical drives.
    void BuildDriveLists();
    // Without a drive only extraction from images is possible.
    void DisableDriveRip();

    void tavTabRipShow();
    void RaRip1Click();
    void RaRip2Click();
    void ListImagesClick();

  private:
    QList<class QComboBox*> ripCombos() const;

    THaupt& h;
};
