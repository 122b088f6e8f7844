#include "support/WindowFixture.h"

#include "sources/LibMediaInfo.h"
#include "sources/Tables.h"

void WindowTest::SetUp() {
    open();
}

void WindowTest::TearDown() {
    if (h) h->hide();
    h.reset();
    EXPECT_TRUE(dialogs.unexpected().isEmpty())
        << "unexpected dialogs: " << dialogs.unexpected().join(QStringLiteral("; ")).toStdString();
    EXPECT_EQ(dialogs.pendingAnswers(), 0) << "answers left unused";
}

void WindowTest::open() {
    h.reset();
    WindowServices services;
    services.sysClassBlock = sysClassBlock.isEmpty() ? sysfs.path() : sysClassBlock;
    services.mediaLibrary = [this] {
        return mediaLibrary ? mediaLibrary() : std::make_unique<LibMediaInfo>();
    };
    services.shutdown = [] {
        ADD_FAILURE() << "shutdown requested";
        return false;
    };
    services.openUrl = [this](const QUrl& url) { return openUrl(url); };
    h = std::make_unique<THaupt>(PortableFolders(programDir.path()), dialogs, std::move(services));
    h->show();
    pump();
}

void WindowTest::closeWindow() {
    h->close();
    pump();
}

void WindowTest::click(const char* name) {
    QAbstractButton* button = find<QAbstractButton>(name);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled()) << name << " is disabled";
    // A check box's clickable area is its indicator and text, not the middle of a wide control.
    const QPoint where =
        qobject_cast<QPushButton*>(button) ? button->rect().center() : QPoint(6, button->height() / 2);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, where);
    pump();
}

QStringList WindowTest::clickAnswering(const char* name, const QStringList& answers) {
    for (const QString& answer : answers)
        dialogs.answer(answer);
    click(name);
    return dialogs.takeTexts();
}

void WindowTest::expectEnabled(std::initializer_list<const char*> names, bool on) const {
    for (const char* name : names)
        EXPECT_EQ(enabled(name), on) << name;
}

bool WindowTest::showing(const char* tab) const {
    return find<QTabWidget>("tav")->currentWidget() == find(tab);
}

void WindowTest::showTab(const char* name) {
    find<QTabWidget>("tav")->setCurrentWidget(find<QWidget>(name));
    pump();
}

void WindowTest::pump() {
    QApplication::processEvents();
}

void WindowTest::clickRow(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    ASSERT_NE(item, nullptr) << "no row " << row;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    pump();
}

QStringList WindowTest::texts(const QListWidget* list) {
    QStringList items;
    for (int k = 0; k < list->count(); ++k)
        items << list->item(k)->text();
    return items;
}

QStringList WindowTest::texts(const QComboBox* combo) {
    QStringList items;
    for (int k = 0; k < combo->count(); ++k)
        items << combo->itemText(k);
    return items;
}

int WindowTest::holdSource(const QString& path, const QString& seconds, const QString& marks) {
    const int i = h->sources().append(path);
    MPEGInfo& r = h->sources()[i];
    r.Format = QStringLiteral("MPEG2");
    r.FormatStr = QStringLiteral("MPEG-PS");
    r.Spieldauer = seconds;
    r.Bildgroesse = QStringLiteral("480x576");
    r.Bildwiederholrate = QStringLiteral("25");
    r.AspectRatio = QStringLiteral("4:3");
    r.Tonspuren = QStringLiteral("1");
    r.TonFormat = {0, kNone};
    r.TonFormatStr = {QStringLiteral("MPEG-1 Audio Layer 2"), QStringLiteral(" ")};
    r.TonBitrate = {7, kNone};
    r.TonAbtastrate = {QStringLiteral("44.1 KHz"), QStringLiteral("---")};
    r.DVDSprache = {kLanguageDE, kNone};
    r.DVDBitrate = {8, kNone};
    r.Kapitel = marks;
    h->sourcesChanged();
    return i;
}

QString WindowTest::copy(const QString& source, const QString& name) {
    const QString target = disk.file(name);
    EXPECT_TRUE(QFile::copy(source, target)) << name.toStdString();
    return target;
}
