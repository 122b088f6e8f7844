#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;
class TabHost;

// The "Authoring" tab with its pages "Struktur" (the title-set grid) and "Menu"
// (the menu choice).
class AuthoringTab : public QWidget {
    Q_OBJECT

  public:
    explicit AuthoringTab(TabHost& host);

    void tavTabAuthorShow();
    // Chooses the menu variant 0, 1 or 2 as a click would.
    void chooseVariant(int variant);

    // Rebuilds the grid's rows from the source table (an open editor is closed
    // without writing).
    void fillGrid();
    // Shows why Start is disabled when there are too many title sets (empty: hidden).
    void showTitleSetWarning(const QString& warning);
    // While a run or rip is going on, the structure cannot be changed.
    void setLocked(bool locked);

  protected:
    // The editors write their choice when they lose the focus; the grid opens
    // them from the keyboard.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build();
    void StruktSelectCell(int column, int row);
    void CoSprChange();
    void CoBitChange();
    void RaVar0Click();
    void RaVar1Click();
    void RaVar2Click();
    void BuHMClick();
    void BuUMClick();
    // The cell an editor edits: column 2..5, row 1..n.
    struct EditedCell {
        int column = -1;
        int row = -1;
    };
    void resetAuthoringResume();
    void showDiscNotes();
    void placeEditor(QComboBox* editor, int column, int row);
    // Hides an editor; with commit its choice goes to the title set of its cell.
    void closeEditor(QComboBox* editor, bool commit);
    EditedCell& cellOf(const QComboBox* editor);
    void applyToTitleSet(const EditedCell& cell, int value);
    QString chooseMenuFile();

    TabHost& host;
    QTabWidget* PGA = nullptr;
    QWidget *TabStrukt = nullptr, *TabMenue = nullptr;
    QTableWidget* Strukt = nullptr;
    QComboBox *CoBit = nullptr, *CoSpr = nullptr;
    QLabel* LaTitelsets = nullptr;                     // why Start is disabled
    QLabel *LaGroesse = nullptr, *LaSystem = nullptr;  // the DVD's size, PAL and NTSC mixed
    QCheckBox *ChPGC = nullptr, *ChVorMenu = nullptr;
    QRadioButton *RaVar0 = nullptr, *RaVar1 = nullptr, *RaVar2 = nullptr;
    QPushButton *BuHM = nullptr, *BuUM = nullptr;
    QLineEdit *EdHM = nullptr, *EdUM = nullptr;
    EditedCell languageCell_;
    EditedCell bitrateCell_;
};
