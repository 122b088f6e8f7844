#pragma once

#include <QObject>
#include <memory>

#include "gui/tabs/PreviewPlayer.h"

class QLineEdit;
class QWidget;
class THaupt;
struct MarkSpacing;

// The "Kapitel" tab: preview player and chapter marks of one source. Marks
// edited here are stored into the source's Kapitel at once.
class ChapterTab : public QObject {
    Q_OBJECT

  public:
    explicit ChapterTab(THaupt& h);
    ~ChapterTab() override;
    void build(QWidget* page);

    // Replaces the preview player (tests hand in a fake one).
    void setPlayer(std::unique_ptr<PreviewPlayer> player);
    void closePlayer();

    // Closes the open source and lists the sources anew (after the source list changed).
    void relist();

    void tavTabKAPShow();
    void tavTabKAPLeave();
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

  private:
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

    THaupt& h;
    std::unique_ptr<PreviewPlayer> player_;
    int open_ = 0;         // record of the source open in the player, 0 = none
    int rowAtPress_ = -1;  // the row of ListMPEG that was current when a click began
};
