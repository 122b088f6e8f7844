#pragma once

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QToolButton;
class RunContext;
class TabHost;

// The "SVCDRipp" tab: discs in drives or a list of disc images, for the
// acquisition that "Rippen" starts.
class RipTab : public QWidget {
    Q_OBJECT

  public:
    explicit RipTab(TabHost& host);

    // Fills the six rip lists with the drive entries.
    void setDrives(const QStringList& entries);
    bool hasDrives() const;
    // Without a drive only extraction from images is possible.
    void DisableDriveRip();
    // Without the rip helper nothing can be ripped or extracted.
    void disableRipping();
    // The rip helper was chosen: both ways are possible again (from a disc only with a drive).
    void enableRipping();
    // Shows each drive's disc label (or "- Leer -", "- Ohne Titel -") in the rip lists.
    void RefreshRipDrives();
    // Runs the chosen way over a snapshot of the images or drives; true when it
    // ended with an error.
    bool acquire(RunContext& ctx);
    // Adds an acquired file to the source list; true when it was added.
    bool AddRippedFile(const QString& path);

    void tavTabRipShow();
    void RaRip1Click();
    void RaRip2Click();

  signals:
    // Whether "Rippen" can be pressed.
    void ripPossible(bool possible);

  protected:
    // The rip lists are selection-only: typed characters are ignored.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build();
    void SpAktClick();
    void ListImagesClick();
    void BuImgAddClick();
    void BuImgDelClick();
    void BuImgDelAlleClick();
    void BuImgHochClick();
    void BuImgRunterClick();
    QList<QComboBox*> ripCombos() const;
    void enableRipCombos(const QList<int>& selection);
    void moveImage(int step);
    QStringList images() const;
    QStringList selectedDiscs() const;

    TabHost& host;
    QRadioButton *RaRip1 = nullptr, *RaRip2 = nullptr;
    QFrame *PaImage = nullptr, *PaRipp = nullptr;
    QListWidget* ListImages = nullptr;
    QPushButton *BuImgAdd = nullptr, *BuImgDel = nullptr, *BuImgDelAlle = nullptr;
    QPushButton *BuImgHoch = nullptr, *BuImgRunter = nullptr;
    QLabel *LaLWRip = nullptr, *LaNameRip = nullptr;
    QComboBox *CoLWRipA = nullptr, *CoLWRipB = nullptr, *CoLWRipC = nullptr;
    QComboBox *CoLWRipD = nullptr, *CoLWRipE = nullptr, *CoLWRipF = nullptr;
    QToolButton* SpAkt = nullptr;
    QLineEdit* EdNameRip = nullptr;
    QCheckBox* ChRipDatei = nullptr;
};
