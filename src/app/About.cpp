#include "app/About.h"

#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <functional>

#include "app/Ui.h"
#include "platform/Product.h"

using namespace ui;

TAboutBox::TAboutBox(QWidget* parent, std::function<void(const QUrl&)> openUrl) : QDialog(parent) {
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(QStringLiteral("Über Tavrolin"));
    setFixedSize(376, 280);
    QFont font = this->font();
    font.setPointSize(8);
    setFont(font);

    auto* icon = Named(new QLabel(this), "Icon");
    icon->setPixmap(QIcon(QStringLiteral(":/tavrolin.svg")).pixmap(40, 40));
    icon->setGeometry(10, 10, 40, 40);
    Name = Label(this, "Name", QStringLiteral("Tavrolin"));
    QFont big(QStringLiteral("Monospace"));
    big.setPixelSize(32);
    Name->setFont(big);
    Name->setAlignment(Qt::AlignCenter);
    Name->setGeometry(56, 8, 264, 40);
    VersionNr = Label(this, "VersionNr", QStringLiteral("Version ") + ProgramVersion());
    VersionNr->setAlignment(Qt::AlignRight);
    VersionNr->setGeometry(166, 52, 200, 18);
    Notice = Label(this, "Notice", QStringLiteral("Tavrolin – (S)VCD zu DVD ohne Neukodierung"));
    QFont link = Notice->font();
    link.setUnderline(true);
    Notice->setFont(link);
    QPalette blue = Notice->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    Notice->setPalette(blue);
    Notice->setCursor(Qt::PointingHandCursor);
    Notice->setGeometry(10, 72, 356, 18);
    Notice->setToolTip(ProductWebAddress());
    connect(this, &TAboutBox::noticeClicked, this, [openUrl] { openUrl(QUrl(ProductWebAddress())); });
    Notice->installEventFilter(this);

    Lizenz = Named(new QTextBrowser(this), "Lizenz", QStringLiteral("Lizenz"));
    Lizenz->setGeometry(10, 94, 356, 146);
    Lizenz->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFile licence(QStringLiteral(":/Lizenz.html"));
    if (licence.open(QIODevice::ReadOnly)) Lizenz->setHtml(QString::fromUtf8(licence.readAll()));

    OKButton = Button(this, "OKButton", QStringLiteral("OK"));
    OKButton->setGeometry(148, 246, 80, 26);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Notice && event->type() == QEvent::MouseButtonRelease) emit noticeClicked();
    return QDialog::eventFilter(watched, event);
}
