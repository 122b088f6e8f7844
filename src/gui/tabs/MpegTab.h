#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class TabHost;

// The "MPEG" tab: the list of sources and the properties of the selected one.
class MpegTab : public QWidget {
    Q_OBJECT

  public:
    explicit MpegTab(TabHost& host);

    // The group box whose caption names the media library.
    QGroupBox* libraryBox() const { return GBox1; }
    // Shows the sources' paths (keeping the selection where possible).
    void follow();
    void clearSelection();
    // While a run or rip is going on, the list cannot be changed.
    void setLocked(bool locked);

  private:
    void build();
    void ListSVCDClick();
    void BuAddClick();
    void BuDelClick();
    void BuDelAlleClick();
    void BuHochClick();
    void BuRunterClick();
    void clearProperties();

    TabHost& host;
    QListWidget* ListSVCD = nullptr;
    QPushButton *BuAdd = nullptr, *BuDelAlle = nullptr, *BuDel = nullptr, *BuHoch = nullptr,
                *BuRunter = nullptr;
    QGroupBox* GBox1 = nullptr;
    QLabel *LaVid0 = nullptr, *LaDatei = nullptr, *LaVid1 = nullptr, *LaFormat = nullptr;
    QLabel *LaVid2 = nullptr, *LaZeit = nullptr, *LaVid3 = nullptr, *LaBild = nullptr;
    QLabel *LaGAR = nullptr, *LaAR = nullptr;
    QLabel *LaAud00 = nullptr, *LaAudDat0 = nullptr, *LaAud01 = nullptr, *LaFor0 = nullptr;
    QLabel *LaAud02 = nullptr, *LaBR0 = nullptr;
    QLabel *LaAud10 = nullptr, *LaAudDat1 = nullptr, *LaAud11 = nullptr, *LaFor1 = nullptr;
    QLabel *LaAud12 = nullptr, *LaBR1 = nullptr;
    QLabel* LaNorm = nullptr;  // a picture players may refuse
};
