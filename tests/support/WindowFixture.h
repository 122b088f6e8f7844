#pragma once

#include <gtest/gtest.h>

// The window tests' own includes: the controls they read and click.
#include <QtTest>
#include <QtWidgets>
#include <memory>

#include "gui/tabs/ChapterTab.h"
#include "gui/tabs/ImageTab.h"
#include "gui/tabs/LogTab.h"
#include "gui/tabs/RipTab.h"
#include "gui/window/Tavrolin.h"
#include "gui/windows/XMLEdit.h"
#include "persistence/Project.h"
#include "support/ScriptedDialogs.h"
#include "support/TestSupport.h"

// Builds the real main window offscreen against a temporary program folder,
// with dialogs answered from a script. A test fails on any dialog it did not
// expect (queue answers with dialogs.answer(), read what was shown with
// dialogs.take()/takeTexts()).
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override { open(); }
    void TearDown() override;
    // Builds (or rebuilds) the window; the program folder stays.
    void open();
    // Closes the window normally (settings saved).
    void closeWindow() { h->close(), pump(); }
    static void pump() { QApplication::processEvents(); }

    template <class T = QWidget>
    T* find(const char* name) const {
        T* widget = h->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << "no control " << name;
        return widget;
    }
    // Clicks a button (or radio button / check box) by its name.
    void click(const char* name);
    // Queues answers, clicks a button and returns the texts shown (file dialogs: their titles).
    QStringList clickAnswering(const char* name, const QStringList& answers);
    // Clicks a row of a list like a user.
    void clickRow(const char* list, int row);
    // Shows a tab sheet of tav by its name; whether it is shown.
    void showTab(const char* name) { find<QTabWidget>("tav")->setCurrentWidget(find(name)), pump(); }
    bool showing(const char* tab) const { return find<QTabWidget>("tav")->currentWidget() == find(tab); }
    bool enabled(const char* name) const { return find(name)->isEnabled(); }
    bool visible(const char* name) const { return find(name)->isVisible(); }
    // Each of the named controls is enabled (or disabled).
    void expectEnabled(std::initializer_list<const char*> names, bool on) const;
    // What a control shows: a box's check, a list's index, a slider's value, else its text.
    QVariant value(const char* name) const { return find(name)->property(shown(name)); }
    void set(const char* name, const QVariant& value) {
        EXPECT_TRUE(find(name)->setProperty(shown(name), value)) << name;
    }
    QString text(const char* name) const { return value(name).toString(); }
    // The texts of a list's or a combo box's items.
    QStringList texts(const char* name) const;
    // The property that holds what a control shows.
    const char* shown(const char* name) const;
    // A source record as a loaded project holds it: MPEG-2 PAL 480x576 4:3, one MP2
    // track (224 kbit/s, 44.1 kHz, German, 256 kbit/s on the DVD); returns its number.
    int holdSource(const QString& path, const QString& seconds = "10", const QString& marks = QString());
    // A copy of a test medium in the test's own folder (files may be put beside it).
    QString copy(const QString& source, const QString& name);

    TempFolder programDir;
    TempFolder disk;        // a place for the test's own files, apart from the program folder
    TempFolder sysfs;       // a sysfs of the test's own
    QString sysClassBlock;  // the drives the window sees: none unless a test makes some
    ScriptedDialogs dialogs;
    // What the window's services do: open a web page, make the media library.
    std::function<bool(const QUrl&)> openUrl = [](const QUrl&) { return true; };
    std::function<std::unique_ptr<MediaLibrary>()> mediaLibrary;
    std::unique_ptr<THaupt> h;
};

inline void PrintTo(const QVariant& value, std::ostream* os) {
    *os << value.toString().toStdString();
}

// Runs act on the modal window of type T that the next call opens, once it shows
// (without one the test fails and the modal window that is open is closed).
template <class T>
void OnNextModal(std::function<void(T&)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* window = qobject_cast<T*>(modal)) return act(*window);
        ADD_FAILURE() << "no modal " << T::staticMetaObject.className();
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    });
}
