#include "support/WindowFixture.h"

#include "sources/LibMediaInfo.h"
#include "sources/Tables.h"

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

void WindowTest::clickRow(const char* name, int row) {
    auto* list = find<QListWidget>(name);
    QListWidgetItem* item = list->item(row);
    ASSERT_NE(item, nullptr) << "no row " << row;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    pump();
}

const char* WindowTest::shown(const char* name) const {
    const QWidget* control = find(name);
    if (qobject_cast<const QAbstractButton*>(control)) return "checked";
    if (qobject_cast<const QComboBox*>(control)) return "currentIndex";
    if (qobject_cast<const QAbstractSlider*>(control)) return "value";
    return qobject_cast<const QPlainTextEdit*>(control) ? "plainText" : "text";
}

QStringList WindowTest::texts(const char* name) const {
    auto* view = h->findChild<QAbstractItemView*>(QLatin1String(name));
    const QAbstractItemModel* model = view ? view->model() : find<QComboBox>(name)->model();
    QStringList items;
    for (int k = 0; k < model->rowCount(); ++k)
        items << model->index(k, 0).data().toString();
    return items;
}

int WindowTest::holdSource(const QString& path, const QString& seconds, const QString& marks) {
    const int i = h->sources().append(path);
    MPEGInfo& r = h->sources()[i];
    r.Format = "MPEG2", r.FormatStr = "MPEG-PS", r.Spieldauer = seconds, r.Kapitel = marks;
    r.Bildgroesse = "480x576", r.Bildwiederholrate = "25", r.AspectRatio = "4:3", r.Tonspuren = "1";
    r.TonFormat = {0, kNone}, r.TonBitrate = {7, kNone}, r.DVDSprache = {kLanguageDE, kNone};
    r.DVDBitrate = {8, kNone}, r.TonFormatStr = {"MPEG-1 Audio Layer 2", " "},
    r.TonAbtastrate = {"44.1 KHz", "---"};
    h->sourcesChanged();
    return i;
}

QString WindowTest::copy(const QString& source, const QString& name) {
    const QString target = disk.file(name);
    EXPECT_TRUE(QFile::copy(source, target)) << name.toStdString();
    return target;
}
