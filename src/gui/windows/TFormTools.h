#pragma once

#include <QDialog>
#include <array>

#include "tools/ToolPaths.h"

class QLabel;
class QLineEdit;
class QPushButton;
class Dialogs;

// The window "Pfade zu den Tools": shows the nine tool paths, lets the user
// choose the seven command-line tools and shows the burn tools' versions.
// Changes go straight into the tool paths it was given.
class TFormTools : public QDialog {
    Q_OBJECT

  public:
    TFormTools(ToolPaths& tools, Dialogs& dialogs, const QString& programDir, QWidget* parent);

    QLineEdit *EdlkVCD = nullptr, *Edmpgtx = nullptr, *EdJRDMUX = nullptr, *EdBeSweet = nullptr;
    QLineEdit *EdMPlex = nullptr, *EdDVDAuthor = nullptr, *Edmkisofs = nullptr, *EdDec = nullptr,
              *EdImg = nullptr;
    QPushButton *BuLKVCD = nullptr, *Bumpgtx = nullptr, *BuJRDMUX = nullptr, *BuBeSweet = nullptr;
    QPushButton *BuMPlex = nullptr, *BuDVDAuthor = nullptr, *Bumkisofs = nullptr;
    QLabel *LaDecVer = nullptr, *LaImgVer = nullptr;
    QPushButton* BuClose = nullptr;

    // The browse handler of a command-line tool's button.
    void BrowseTool(Tool tool);

  signals:
    // The rip helper lkVCDxRip was chosen.
    void ripToolChosen();

  private:
    void buildToolRows(class QGridLayout* grid);
    void buildBurnRows(QGridLayout* grid);
    bool accepts(Tool tool, const QString& file) const;

    ToolPaths& tools_;
    Dialogs& dialogs_;
    QString programDir_;
    std::array<QLineEdit*, kToolCount> edits_{};
};
