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
    void BuArbeitDirClick();
    void BuDVDDirClick();
    void BuRipDirClick();
    void BuToolsClick();
    void BuMCIClick();
    // The user chose a stage (not a change by the program).
    void CoRecoverSelect();

  protected:
    // Discards typed characters in the three lists: they change only by choice.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QString chooseFolder(const QString& title, const QString& start);

    THaupt& h;
};
