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
    explicit TAboutBox(QWidget* parent, std::function<void(const QUrl&)> openUrl);

    QLabel* Name = nullptr;
    QLabel* VersionNr = nullptr;
    QLabel* Notice = nullptr;
    QTextBrowser* Lizenz = nullptr;
    QPushButton* OKButton = nullptr;
};
