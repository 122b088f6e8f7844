#pragma once

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class TabHost;
struct ToolAvailability;

// The "Image, DVD" tab: ISO image, burning program, burner and label.
class ImageTab : public QWidget {
    Q_OBJECT

  public:
    explicit ImageTab(TabHost& host);

    // The burner list (the same drives as the rip lists).
    void setDrives(const QStringList& entries);
    // After settings were loaded: the controls enable one another, the stage list follows.
    void SettingsLoaded();
    // The controls that are useless without the burn programs the search did not find.
    void disableMissingBurners(const ToolAvailability& found);
    // A new working folder: the image goes there.
    void setWorkFolder(const QString& folder);

  signals:
    // The stage list CoRecover has to show these stages, from the first.
    void stagesChanged(const QStringList& stages);

  protected:
    // Label left, image path entered, typing in the drop-down lists.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build();
    void BuildStageList();
    // Enables the burn controls by the burning option, the program and its version.
    void ApplyBurnOptions();
    // Enables the image controls by the image option; no image means no burning.
    void ApplyImageOptions();
    void RaDecClick();
    void RaImgClick();
    void ChBrennenClick();
    void ChImageClick();
    void EdDVDLabelChange();
    void EdDVDLabelExit();
    ToolAvailability burnTools() const;
    void chooseFoundBurnTool();

    TabHost& host;
    QCheckBox *ChImage = nullptr, *ChBrennen = nullptr, *ChSplit = nullptr;
    QLabel *LaImgBrenn = nullptr, *LaImgBrenner = nullptr, *LaImgSpeed = nullptr, *LaImgOptions = nullptr;
    QLabel *LaImgLabel = nullptr, *LaISODatei = nullptr;
    QRadioButton *RaDec = nullptr, *RaImg = nullptr;
    QComboBox *CoLW = nullptr, *CoSpeed = nullptr;
    QCheckBox *ChErase = nullptr, *ChShutdown = nullptr, *ChEject = nullptr, *ChLog = nullptr;
    QLineEdit *EdDVDLabel = nullptr, *EdISODatei = nullptr;
};
