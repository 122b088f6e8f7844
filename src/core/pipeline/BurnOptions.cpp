#include "pipeline/BurnOptions.h"

#include <QFileInfo>

#include "platform/Paths.h"
#include "tools/ToolPaths.h"

namespace {

const QString kImage = QStringLiteral("Image erstellen");
const QString kBurnImage = QStringLiteral("Image brennen");
const QString kBurnDvd = QStringLiteral("DVD brennen");

bool LabelCharacter(QChar c) {
    static const QString kPunctuation = QStringLiteral("-._~&()+");
    const char16_t u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') ||
           kPunctuation.contains(c);
}

}  // namespace

QStringList StageList(const BurnChoice& c) {
    QStringList stages{QStringLiteral("SVCD MPEG demuxen"), QStringLiteral("Audio upmix"),
                       QStringLiteral("DVD MPEG muxen"), QStringLiteral("Authoring")};
    if (c.decrypter) {
        if (c.image) stages << kImage;
        if (c.burn) stages << kBurnImage;
    } else if (c.imgTool && c.burn) {
        stages << kBurnDvd;
    } else if (c.image) {
        stages << kImage;
    }
    return stages;
}

int StageEntry(const QStringList& stages, int state) {
    const int stage = state / 100 - 1;
    if (stage < 0) return -1;
    if (stage < 4) return stage < stages.size() ? stage : -1;
    if (stage == 4) {
        const int image = stages.indexOf(kImage);
        return image >= 0 ? image : stages.indexOf(kBurnDvd);
    }
    return stage == 5 ? stages.indexOf(kBurnImage) : -1;
}

bool ToolFound(const QString& path) {
    return !path.isEmpty() && path != NotFoundMarker();
}

bool SpeedSelectable(const QString& decrypterVersion) {
    return decrypterVersion.compare(QLatin1String("3.2.3.0")) >= 0;
}

bool BurnerListUsable(const QString& firstBurner, const QString& imgToolPath) {
    return firstBurner.size() > 4 &&
           FileExists(JoinPath(QFileInfo(imgToolPath).path(), QStringLiteral("ImgTool.ini")));
}

QString DvdLabelText(const QString& text) {
    QString label;
    for (const QChar c : text) {
        if (label.size() == kDvdLabelLength) break;
        if (c == QLatin1Char(' '))
            label += QLatin1Char('_');
        else if (LabelCharacter(c))
            label += c;
    }
    return label;
}

QString DefaultDvdLabel() {
    return QStringLiteral("Meine_DVD");
}

QString ImagePath(const QString& workFolder, const QString& label) {
    return JoinPath(workFolder, label + QStringLiteral(".iso"));
}
