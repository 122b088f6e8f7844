#pragma once

#include <QObject>

class QComboBox;
class QWidget;
class THaupt;

// The "Authoring" tab: the title-set grid and the menu choice.
class AuthoringTab : public QObject {
    Q_OBJECT

  public:
    explicit AuthoringTab(THaupt& h);
    void build(QWidget* page);

    void tavTabAuthorShow();
    void TabStruktShow();
    void StruktSelectCell(int column, int row);
    void CoSprChange();
    void CoBitChange();
    void RaVar0Click();
    void RaVar1Click();
    void RaVar2Click();
    void BuHMClick();
    void BuUMClick();

    // Rebuilds the grid's rows from the source table (an open editor is closed
    // without writing).
    void fillGrid();
    // Shows why Start is disabled when there are too many title sets (empty: hidden).
    void showTitleSetWarning(const QString& warning);

  protected:
    // The editors write their choice when they lose the focus; the grid opens
    // them from the keyboard.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
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

    THaupt& h;
    EditedCell languageCell_;
    EditedCell bitrateCell_;
};
