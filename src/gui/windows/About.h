#pragma once

#include <QDialog>
#include <QUrl>
#include <functional>

class QLabel;
class QPushButton;
class QTextBrowser;

// The about box: name, version, notice with the web page, licence.
class TAboutBox : public QDialog {
    Q_OBJECT

  public:
    // openWebPage: what a click on the notice does.
    explicit TAboutBox(QWidget* parent, std::function<void()> openWebPage);

    QLabel* Name = nullptr;
    QLabel* VersionNr = nullptr;
    QLabel* Notice = nullptr;
    QTextBrowser* Lizenz = nullptr;
    QPushButton* OKButton = nullptr;
};
