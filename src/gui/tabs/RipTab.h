#pragma once

#include <QObject>
#include <QStringList>

class QComboBox;
class QWidget;
class THaupt;

// The "SVCDRipp" tab: discs in drives or a list of disc images, and the
// acquisition started with "Rippen".
class RipTab : public QObject {
    Q_OBJECT

  public:
    explicit RipTab(THaupt& h);
    void build(QWidget* page);

    // Fills CoLW and the six rip lists with the optical drives found under a
    // sysfs block-class folder.
    void BuildDriveLists(const QString& sysClassBlock = QStringLiteral("/sys/class/block"));
    // Without a drive only extraction from images is possible.
    void DisableDriveRip();
    // Shows each drive's disc label (or "- Leer -", "- Ohne Titel -") in the rip lists.
    void RefreshRipDrives();
    // Adds an acquired file to the source list; true when it was added.
    bool AddRippedFile(const QString& path);

    void tavTabRipShow();
    void RaRip1Click();
    void RaRip2Click();
    void SpAktClick();
    void ListImagesClick();
    void BuImgAddClick();
    void BuImgDelClick();
    void BuImgDelAlleClick();
    void BuImgHochClick();
    void BuImgRunterClick();
    void BuRippClick();

  protected:
    // The rip lists are selection-only: typed characters are ignored.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QList<QComboBox*> ripCombos() const;
    void enableRipCombos(const QList<int>& selection);
    void moveImage(int step);
    // True when the acquisition ended with an error.
    bool acquire();
    QStringList images() const;
    QStringList selectedDiscs() const;

    THaupt& h;
};
