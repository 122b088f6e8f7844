#include "support/WindowFixture.h"

#include <QPushButton>
#include <QTabWidget>
#include <QTest>

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
    h = std::make_unique<THaupt>(programDir.path(), dialogs);
    h->ShutdownHandler = [] { ADD_FAILURE() << "shutdown requested"; };
    h->OpenUrlHandler = [](const QUrl&) {};
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

void WindowTest::showTab(const char* name) {
    h->tav->setCurrentWidget(find<QWidget>(name));
    pump();
}

void WindowTest::pump() {
    QApplication::processEvents();
}
