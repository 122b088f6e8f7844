#include "gui/windows/MciWindow.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "gui/tabs/MediaPreviewPlayer.h"
#include "gui/window/Ui.h"

using namespace ui;

void ShowMciWindow(QWidget* parent) {
    QDialog window(parent);
    window.setObjectName(QStringLiteral("FormMCI"));
    window.setWindowTitle(QStringLiteral("Registrierte MCI-Extensionen"));
    auto* layout = new QVBoxLayout(&window);
    auto* boxes = new QGridLayout;
    const char* names[] = {"ChmciMPG", "ChmciM1V", "ChmciMPV", "ChmciMPEG", "ChmciM2V", "ChmciMPV2"};
    const char* extensions[] = {"mpg", "m1v", "mpv", "mpeg", "m2v", "mpv2"};
    const QStringList playable = PlayableExtensions();
    for (int k = 0; k < 6; ++k) {
        QCheckBox* box = Check(&window, names[k], QStringLiteral("*.") + QLatin1String(extensions[k]));
        box->setChecked(playable.contains(QLatin1String(extensions[k])));
        box->setEnabled(false);
        boxes->addWidget(box, k % 3, k / 3);
    }
    layout->addLayout(boxes);
    auto* bottom = new QHBoxLayout;
    QLabel* product = Label(&window, "LaProduct", QStringLiteral("Tavrolin"));
    product->setEnabled(false);
    QPushButton* close = Button(&window, "BuClose", QStringLiteral("Schließen"));
    QObject::connect(close, &QPushButton::clicked, &window, &QDialog::accept);
    bottom->addWidget(product);
    bottom->addStretch();
    bottom->addWidget(close);
    layout->addLayout(bottom);
    window.exec();
}
