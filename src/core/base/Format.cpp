#include "base/Format.h"

#include <QLocale>
#include <QTime>

QString FormatWhole(double value) {
    const QLocale german(QLocale::German, QLocale::Germany);
    return german.toString(value, 'f', 0);
}

QString FormatSize(const QString& pattern, double value) {
    QString result = pattern;
    return result.replace(QLatin1String("%1.0n"), FormatWhole(value));
}

QString NowText() {
    return QTime::currentTime().toString(QStringLiteral("hh:mm:ss"));
}

QString SecondsToClock(qint64 seconds) {
    return QString::asprintf("%.2lld:%.2lld:%.2lld", seconds / 3600, (seconds / 60) % 60, seconds % 60);
}
