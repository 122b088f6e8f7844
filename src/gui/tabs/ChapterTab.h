#pragma once

#include <QWidget>
#include <memory>

#include "gui/tabs/PreviewPlayer.h"

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;
class TabHost;
struct MarkSpacing;

// The "Kapitel" tab: preview player and chapter marks of one source. Marks
// edited here are stored into the source's Kapitel at once.
class ChapterTab : public QWidget {
    Q_OBJECT

  public:
    explicit ChapterTab(TabHost& host);
    ~ChapterTab() override;

    // Replaces the preview player (tests hand in a fake one).
    void setPlayer(std::unique_ptr<PreviewPlayer> player);
    void closePlayer();

    // Closes the open source and lists the sources anew (after the source list changed).
    void relist();
    // The position shown, in frames.
    int position() const { return PlayerPosition; }

    void tavTabKAPShow();
    void tavTabKAPLeave();

  private:
    void build();
    void ListMPEGClick();
    void ScPositionChange();
    void BuPlayClick();
    void BuStopClick();
    void BuKAddClick();
    void BuKDelClick();
    void BuKDelAlleClick();
    void ListKapitelClick();
    void ScLautChange();
    void BuAlleClick();
    void BuGleichClick();
    void BuGeheZuClick();
    void connectHandlers();
    bool openSource(int record);
    void showOpenSource(int record, int length);
    // Back to "no source open": texts emptied, marks and controls disabled.
    void forgetSource();
    void setSourceControlsEnabled(bool enabled);
    QStringList listedMarks() const;
    void showMarks(const QStringList& marks);
    void storeMarks();
    void resetAuthoringResume();
    void seek(int frames);
    void showPosition();
    // The open source's play time in whole seconds; false (with a message) when unknown.
    bool playSeconds(qint64* seconds);
    bool readCount(QLineEdit* edit, const QString& refusal, qint64* value);
    void setAutoMarks(const MarkSpacing& spacing);
    void tell(const QString& text);

    TabHost& host;
    QListWidget *ListMPEG = nullptr, *ListKapitel = nullptr;
    QFrame* PaDisplay = nullptr;
    QScrollBar *ScPosition = nullptr, *ScLaut = nullptr;
    QLineEdit *EdSpieldauer = nullptr, *EdPosition = nullptr;
    QPushButton *BuPlay = nullptr, *BuStop = nullptr;
    QPushButton *BuKAdd = nullptr, *BuKDel = nullptr, *BuKDelAlle = nullptr;
    QLabel *LaAlle1 = nullptr, *LaAlle2 = nullptr, *LaGleich = nullptr;
    QLineEdit *EdAlle = nullptr, *EdGleich = nullptr, *EdGeheZu = nullptr;
    QPushButton *BuAlle = nullptr, *BuGleich = nullptr, *BuGeheZu = nullptr;
    int PlayerPosition = 0;  // frames
    std::unique_ptr<PreviewPlayer> player_;
    int open_ = 0;         // record of the source open in the player, 0 = none
    int rowAtPress_ = -1;  // the row of ListMPEG that was current when a click began
};
