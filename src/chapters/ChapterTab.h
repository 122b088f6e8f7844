#pragma once

#include <QObject>

class QWidget;
class THaupt;

// The "Kapitel" tab: preview player and chapter marks of one source.
class ChapterTab : public QObject {
    Q_OBJECT

  public:
    explicit ChapterTab(THaupt& h);
    void build(QWidget* page);

    void tavTabKAPShow();

  private:
    THaupt& h;
};
