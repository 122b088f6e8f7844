#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QPushButton;

// The script editor: shows the authoring script's lines; "Fertig" takes the
// edited text back, "Abbruch" or closing the window leaves the script as built.
class TFormXMLEdit : public QDialog {
    Q_OBJECT

  public:
    TFormXMLEdit(QStringList& script, QWidget* parent = nullptr);

    QPlainTextEdit* MemoXMLEdit = nullptr;
    QPushButton* ButtonFertig = nullptr;
    QPushButton* ButtonAbbruch = nullptr;

  private:
    void ButtonFertigClick();

    QStringList& script_;
};

// Shows the editor modally on the script's lines.
void ShowXmlEditor(QStringList& script, QWidget* parent);
