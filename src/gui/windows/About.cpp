#include "gui/windows/About.h"

#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <functional>

#include "gui/window/Ui.h"
#include "platform/Product.h"

using namespace ui;

namespace {

QString Resource(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The licence document, with the GPL's text as its appendix (wrapped to the box).
QString LicenceText() {
    QString html = Resource(QStringLiteral(":/Lizenz.html"));
    const QString gpl = Resource(QStringLiteral(":/GPL-2.txt"));
    if (!gpl.isEmpty())
        html += QStringLiteral("<pre style=\"white-space: pre-wrap\">") + gpl.toHtmlEscaped() +
                QStringLiteral("</pre>");
    return html;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent, std::function<void()> openWebPage) : QDialog(parent) {
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(QStringLiteral("Über Tavrolin"));
    setFixedSize(376, 280);
    QFont font = this->font();
    font.setPointSize(8);
    setFont(font);

    auto* icon = Named(new QLabel(this), "Icon");
    icon->setPixmap(ProgramIcon(40));
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
    Notice->setGeometry(10, 72, 356, 18);
    Notice->setToolTip(ProductWebAddress());
    MakeLink(Notice, std::move(openWebPage));

    Lizenz = Named(new QTextBrowser(this), "Lizenz", QStringLiteral("Lizenz"));
    Lizenz->setGeometry(10, 94, 356, 146);
    Lizenz->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Lizenz->setHtml(LicenceText());

    OKButton = Button(this, "OKButton", QStringLiteral("OK"));
    OKButton->setGeometry(148, 246, 80, 26);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}
