#pragma once

#include <QObject>

class QWidget;
class THaupt;

// The "Allgemeines" tab: general options, resume and the three folders.
class GeneralTab : public QObject {
    Q_OBJECT

  public:
    explicit GeneralTab(THaupt& h);
    void build(QWidget* page);

    void tavTabAllgemShow();

  private:
    THaupt& h;
};
