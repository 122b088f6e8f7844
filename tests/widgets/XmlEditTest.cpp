#include "support/WindowFixture.h"

namespace {

using XmlEdit = WindowTest;

// Fertig takes the edited lines (none when emptied); Abbruch and closing keep the script.
TEST_F(XmlEdit, ShowsTheScriptInAFixedWindowAndOnlyFertigTakesTheEdit) {
    const QStringList built{"<dvdauthor dest =\"/dvd\">", "   <vmgm>", "</dvdauthor>"};
    const struct {
        QString edited;
        int end;  // 0 Fertig, 1 Abbruch, 2 closing
        QStringList result;
    } rows[] = {{built.join('\n'), 0, built},
                {"geändert", 1, built},
                {"geändert", 2, built},
                {"eins\nzwei", 0, {"eins", "zwei"}},
                {"", 0, {}}};
    QStringList script = built;
    for (const auto& row : rows) {
        OnNextModal<TFormXMLEdit>([&](TFormXMLEdit& editor) {
            EXPECT_EQ(editor.windowTitle(), "XML Edit");
            EXPECT_EQ(editor.size(), QSize(798, 528));
            EXPECT_EQ(editor.MemoXMLEdit->toPlainText(), script.join('\n'));
            EXPECT_TRUE(QFontInfo(editor.MemoXMLEdit->font()).fixedPitch());
            editor.MemoXMLEdit->setPlainText(row.edited);
            row.end == 0   ? editor.ButtonFertig->click()
            : row.end == 1 ? editor.ButtonAbbruch->click()
                           : void(editor.close());
        });
        ShowXmlEditor(script, h.get());
        EXPECT_EQ(script, row.result) << row.edited.toStdString() << " " << row.end;
    }
}

}  // namespace
