#include "platform/Locale.h"

#include <langinfo.h>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>
#include <cstdlib>
#include <cstring>

void PrepareProcessEnvironment() {
    std::setlocale(LC_ALL, "");
    const char* codeset = nl_langinfo(CODESET);
    if (!codeset || std::strcmp(codeset, "UTF-8") != 0) std::setlocale(LC_CTYPE, "C.UTF-8");
    // Qt 6.4's ffmpeg backend crashes without a sound device.
    setenv("QT_MEDIA_BACKEND", "gstreamer", 0);
}

void UseGerman(QTranslator& translator) {
    const QLocale german(QLocale::German, QLocale::Germany);
    QLocale::setDefault(german);
    if (translator.load(german, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&translator);
}
