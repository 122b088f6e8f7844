#pragma once

#include <QObject>

class QWidget;
class THaupt;
struct ToolAvailability;

// The "Image, DVD" tab: ISO image, burning program, burner and label.
class ImageTab : public QObject {
    Q_OBJECT

  public:
    explicit ImageTab(THaupt& h);
    void build(QWidget* page);

    // After settings were loaded: the controls enable one another, the stage list follows.
    void SettingsLoaded();
    // Rebuilds the stage list CoRecover; its first entry is selected.
    void BuildStageList();
    // Enables the burn controls by the burning option, the program and its version.
    void ApplyBurnOptions();
    // Enables the image controls by the image option; no image means no burning.
    void ApplyImageOptions();

    void tavTabImageShow();
    void RaDecClick();
    void RaImgClick();
    void ChBrennenClick();
    void ChImageClick();
    void EdDVDLabelChange();
    void EdDVDLabelExit();

  protected:
    // Label left, image path entered, typing in the drop-down lists.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    ToolAvailability burnTools() const;
    void chooseFoundBurnTool();

    THaupt& h;
};
