#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TabHost;

// The "Allgemeines" tab: general options, resume and the three folders.
class GeneralTab : public QWidget {
    Q_OBJECT

  public:
    explicit GeneralTab(TabHost& host);

    // The stage list CoRecover shows these stages; the first is selected.
    void setStages(const QStringList& stages);
    // Back to the first stage.
    void resetStage();
    // While a run or rip is going on, no project can be loaded for resuming.
    void setLocked(bool locked);
    // The "Wiederaufnahme" button, which the window's project actions serve.
    QPushButton* resumeButton() const { return BuRecover; }

  signals:
    void workFolderChosen(const QString& folder);
    // The rip helper was chosen in the tools window.
    void ripToolChosen();

  protected:
    // Discards typed characters in the three lists: they change only by choice.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build();
    void BuArbeitDirClick();
    void BuDVDDirClick();
    void BuRipDirClick();
    void BuToolsClick();
    void BuMCIClick();
    // The user chose a stage (not a change by the program).
    void CoRecoverSelect();
    QString chooseFolder(const QString& title, const QString& start);

    TabHost& host;
    QCheckBox *ChEinzel = nullptr, *ChName = nullptr, *ChXML = nullptr, *ChTools = nullptr;
    QLabel *LaTempo = nullptr, *LaProcess = nullptr;
    QComboBox *CoTempo = nullptr, *CoProcess = nullptr, *CoRecover = nullptr;
    QPushButton* BuRecover = nullptr;
    QLabel *LaRipDir = nullptr, *LaDVDDir = nullptr, *LaArbeitDir = nullptr;
    QLineEdit *EdRipDir = nullptr, *EdDVDDir = nullptr, *EdArbeitDir = nullptr;
    QPushButton *BuRipDir = nullptr, *BuDVDDir = nullptr, *BuArbeitDir = nullptr;
    QPushButton *BuTools = nullptr, *BuMCI = nullptr;
};
