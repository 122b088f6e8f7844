#pragma once

#include <QString>
#include <QStringList>

// The rules of the "Image, DVD" tab that need no window.

// The chosen burn program (checked and found) and the ticked options.
struct BurnChoice {
    bool decrypter = false;  // DVD Decrypter
    bool imgTool = false;    // ImgTool Burn
    bool image = false;      // Image erstellen
    bool burn = false;       // Image/DVD brennen
};

// The stages a run can start with: the four conversion stages, then with DVD
// Decrypter "Image erstellen" (image ticked) and "Image brennen" (burning
// ticked); with ImgTool Burn and burning "DVD brennen"; otherwise "Image
// erstellen" when the image is ticked.
QStringList StageList(const BurnChoice& choice);

// The entry of stages in which a run stopped whose last recorded unit is
// state: the stage state div 100 - 1, found by its text; -1 for none (below
// 100, or a stage the list does not hold).
int StageEntry(const QStringList& stages, int state);

// A burn program counts as found when its path is neither empty nor the
// marker of a failed search.
bool ToolFound(const QString& path);

// DVD Decrypter takes a speed from version 3.2.3.0 on (compared as text).
bool SpeedSelectable(const QString& decrypterVersion);

// ImgTool Burn's drive list is usable when it holds a real entry and the tool
// has its ImgTool.ini beside it.
bool BurnerListUsable(const QString& firstBurner, const QString& imgToolPath);

// The volume label as typed: a blank becomes "_", only A-Z a-z 0-9 and
// - . _ ~ & ( ) + stay, at most 32 characters.
QString DvdLabelText(const QString& text);
constexpr int kDvdLabelLength = 32;

// The label for an empty one.
QString DefaultDvdLabel();

// The image file of a label in the working folder.
QString ImagePath(const QString& workFolder, const QString& label);
