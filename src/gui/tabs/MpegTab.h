#pragma once

#include <QObject>

class QWidget;
class THaupt;

// The "MPEG" tab: the list of sources and the properties of the selected one.
class MpegTab : public QObject {
    Q_OBJECT

  public:
    explicit MpegTab(THaupt& h);
    void build(QWidget* page);

    void tavTabMPEGShow();
    void ListSVCDClick();
    void BuAddClick();
    void BuDelClick();
    void BuDelAlleClick();
    void BuHochClick();
    void BuRunterClick();

  private:
    void clearProperties();
    void afterListChange();

    THaupt& h;
};
