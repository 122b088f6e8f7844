#pragma once

#include <QDialog>
#include <array>

#include "tools/ToolPaths.h"

class QLabel;
class QLineEdit;
class QPushButton;
class THaupt;

// The window "Pfade zu den Tools": shows the nine tool paths, lets the user
// choose the seven command-line tools and shows the burn tools' versions.
// Changes go straight into the main window's tool paths.
class TFormTools : public QDialog {
    Q_OBJECT

  public:
    explicit TFormTools(THaupt& h);

    QLineEdit *EdlkVCD = nullptr, *Edmpgtx = nullptr, *EdJRDMUX = nullptr, *EdBeSweet = nullptr;
    QLineEdit *EdMPlex = nullptr, *EdDVDAuthor = nullptr, *Edmkisofs = nullptr, *EdDec = nullptr,
              *EdImg = nullptr;
    QPushButton *BuLKVCD = nullptr, *Bumpgtx = nullptr, *BuJRDMUX = nullptr, *BuBeSweet = nullptr;
    QPushButton *BuMPlex = nullptr, *BuDVDAuthor = nullptr, *Bumkisofs = nullptr;
    QLabel *LaDecVer = nullptr, *LaImgVer = nullptr;
    QPushButton* BuClose = nullptr;

    // The browse handler of a command-line tool's button.
    void BrowseTool(Tool tool);

  private:
    void buildToolRows(class QGridLayout* grid);
    void buildBurnRows(QGridLayout* grid);
    bool accepts(Tool tool, const QString& file) const;
    void enableRipControls();

    THaupt& h;
    std::array<QLineEdit*, kToolCount> edits_{};
};
