#include "gui/windows/XMLEdit.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "gui/window/Ui.h"

using namespace ui;

TFormXMLEdit::TFormXMLEdit(QStringList& script, QWidget* parent) : QDialog(parent), script_(script) {
    setObjectName(QStringLiteral("TFormXMLEdit"));
    setWindowTitle(QStringLiteral("XML Edit"));
    setFixedSize(798, 528);
    MemoXMLEdit = Named(new QPlainTextEdit(this), "MemoXMLEdit", QStringLiteral("XML-Script"));
    MemoXMLEdit->setGeometry(0, 0, 798, 496);
    MemoXMLEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(8);
    MemoXMLEdit->setFont(fixed);
    MemoXMLEdit->setPlainText(script_.join(QLatin1Char('\n')));
    ButtonFertig = Button(this, "ButtonFertig", QStringLiteral("Fertig"));
    ButtonFertig->setGeometry(8, 500, 90, 24);
    ButtonAbbruch = Button(this, "ButtonAbbruch", QStringLiteral("Abbruch"));
    ButtonAbbruch->setGeometry(104, 500, 90, 24);
    connect(ButtonFertig, &QPushButton::clicked, this, &TFormXMLEdit::ButtonFertigClick);
    connect(ButtonAbbruch, &QPushButton::clicked, this, &QDialog::reject);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFormXMLEdit::ButtonFertigClick() {
    const QString text = MemoXMLEdit->toPlainText();
    script_ = text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    MemoXMLEdit->clear();
    accept();
}

void ShowXmlEditor(QStringList& script, QWidget* parent) {
    TFormXMLEdit editor(script, parent);
    editor.exec();
}
