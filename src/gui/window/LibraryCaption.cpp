#include "gui/window/LibraryCaption.h"

#include <QGroupBox>

void ShowLibraryCaption(QGroupBox& box, const LibraryProbe& probe) {
    box.setTitle(probe.caption);
    box.setStyleSheet(probe.red ? QStringLiteral("QGroupBox::title { color: red; }") : QString());
}
