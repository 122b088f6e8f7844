#include "gui/windows/XMLEdit.h"
#include "support/WindowFixture.h"

namespace {

class XmlEdit : public WindowTest {
  protected:
    // Shows the editor on script and lets act work on it once it is open.
    void edit(QStringList& script, std::function<void(TFormXMLEdit&)> act) {
        OnNextModal(act);
        ShowXmlEditor(script, h.get());
    }

    const QStringList built{QStringLiteral("<dvdauthor dest =\"/dvd\">"), QStringLiteral("   <vmgm>"),
                            QStringLiteral("</dvdauthor>")};
};

TEST_F(XmlEdit, ShowsTheScriptInAFixedWindow) {
    QStringList script = built;
    edit(script, [&](TFormXMLEdit& editor) {
        EXPECT_EQ(editor.windowTitle(), QStringLiteral("XML Edit"));
        EXPECT_EQ(editor.size(), QSize(798, 528));
        EXPECT_EQ(editor.MemoXMLEdit->toPlainText(), built.join('\n'));
        EXPECT_TRUE(editor.MemoXMLEdit->font().fixedPitch() ||
                    QFontInfo(editor.MemoXMLEdit->font()).fixedPitch());
        editor.ButtonFertig->click();
    });
    EXPECT_EQ(script, built) << "Fertig without a change keeps the script";
}

TEST_F(XmlEdit, AbbruchAndClosingDiscardTheChanges) {
    QStringList script = built;
    for (const bool button : {true, false}) {
        edit(script, [button](TFormXMLEdit& editor) {
            editor.MemoXMLEdit->setPlainText(QStringLiteral("geändert"));
            if (button)
                editor.ButtonAbbruch->click();
            else
                editor.close();
        });
        EXPECT_EQ(script, built) << button;
    }
}

TEST_F(XmlEdit, FertigTakesTheEditedLines) {
    QStringList script = built;
    edit(script, [](TFormXMLEdit& editor) {
        editor.MemoXMLEdit->setPlainText(QStringLiteral("eins\nzwei"));
        editor.ButtonFertig->click();
    });
    EXPECT_EQ(script, (QStringList{"eins", "zwei"}));
    edit(script, [](TFormXMLEdit& editor) {
        editor.MemoXMLEdit->clear();
        editor.ButtonFertig->click();
    });
    EXPECT_TRUE(script.isEmpty());
}

}  // namespace
