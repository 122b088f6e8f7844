#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "gui/window/Ui.h"

// tavrolin-icons FOLDER NAME SIZE...: renders the program's icon into the hicolor
// layout below FOLDER: SIZExSIZE/apps/NAME.png for every size and
// scalable/apps/NAME.svg.
int main(int argc, char* argv[]) {
    if (argc < 4) return 2;
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int k = 3; k < argc; ++k) {
        const int size = QByteArray(argv[k]).toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        ui::PaintProgramIcon(painter, size);
        painter.end();
        const QString apps = QStringLiteral("%1x%1/apps").arg(size);
        if (!folder.mkpath(apps) || !image.save(folder.filePath(apps + QLatin1Char('/') + name + ".png")))
            return 1;
    }
    constexpr int kSvgSize = 256;
    QSvgGenerator svg;
    if (!folder.mkpath(QStringLiteral("scalable/apps"))) return 1;
    svg.setFileName(folder.filePath(QStringLiteral("scalable/apps/") + name + ".svg"));
    svg.setSize(QSize(kSvgSize, kSvgSize));
    svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
    svg.setTitle(QStringLiteral("Tavrolin"));
    QPainter painter(&svg);
    ui::PaintProgramIcon(painter, kSvgSize);
    return painter.end() ? 0 : 1;
}
