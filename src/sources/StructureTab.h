#pragma once

#include <QObject>

class QWidget;
class THaupt;

// The "Authoring" tab: the title-set grid and the menu choice.
class StructureTab : public QObject {
    Q_OBJECT

  public:
    explicit StructureTab(THaupt& h);
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

    // Rebuilds the grid's rows from the source table.
    void fillGrid();

  private:
    void resetAuthoringResume();
    void placeEditor(class QComboBox* editor, int column, int row);
    void applyToTitleSet(int column, int value);
    QString chooseMenuFile();

    THaupt& h;
    int editColumn_ = -1;
    int editRow_ = -1;
};
