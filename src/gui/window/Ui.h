#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <functional>

class QPainter;

// Small makers for named controls: every control carries its name as objectName,
// controls without visible text get an accessible name from their German label.
namespace ui {

// Runs action whenever target receives an event of the given type (the event
// goes on to the target as usual). The hook lives as long as the target.
void OnEvent(QObject* target, QEvent::Type type, std::function<void()> action);

// The program's icon: a disc, drawn at the given size.
QPixmap ProgramIcon(int size);
// Paints it onto any paint device of that size (also the installed icon files).
void PaintProgramIcon(QPainter& painter, int size);

// Makes a label look and act like a link: blue, underlined, hand cursor,
// reachable with the keyboard; a click, Return or Space runs action.
void MakeLink(QLabel* label, std::function<void()> action);

// Shows text in a label, elided in the middle when it is wider than the
// label, with the whole text as tooltip.
void SetElidedText(QLabel* label, const QString& text);

template <class T>
T* Named(T* widget, const char* name, const QString& accessibleName = QString()) {
    widget->setObjectName(QLatin1String(name));
    if (!accessibleName.isEmpty()) widget->setAccessibleName(accessibleName);
    return widget;
}

inline QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
    return Named(new QPushButton(caption, parent), name);
}

inline QCheckBox* Check(QWidget* parent, const char* name, const QString& caption) {
    return Named(new QCheckBox(caption, parent), name);
}

inline QRadioButton* Radio(QWidget* parent, const char* name, const QString& caption) {
    return Named(new QRadioButton(caption, parent), name);
}

inline QLabel* Label(QWidget* parent, const char* name, const QString& caption) {
    return Named(new QLabel(caption, parent), name);
}

inline QLineEdit* Edit(QWidget* parent, const char* name, const QString& accessibleName,
                       bool readOnly = false) {
    QLineEdit* edit = Named(new QLineEdit(parent), name, accessibleName);
    edit->setReadOnly(readOnly);
    return edit;
}

inline QComboBox* Combo(QWidget* parent, const char* name, const QString& accessibleName,
                        const QStringList& items = QStringList()) {
    QComboBox* combo = Named(new QComboBox(parent), name, accessibleName);
    combo->addItems(items);
    return combo;
}

inline QListWidget* List(QWidget* parent, const char* name, const QString& accessibleName) {
    return Named(new QListWidget(parent), name, accessibleName);
}

}  // namespace ui
