#include "gui/windows/TFormTools.h"

#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/Dialogs.h"
#include "gui/window/Ui.h"
#include "platform/Paths.h"
#include "tools/FileVersion.h"
#include "tools/ToolSearch.h"

using namespace ui;

namespace {

struct Browser {
    Tool tool;
    const char* button;
    const char* caption;
    const char* edit;
    const char* title;
};

// The seven command-line tools, in the window's order.
constexpr std::array<Browser, 7> kBrowsers = {{
    {Tool::lkVCDxRip, "BuLKVCD", "lkVCDxRip", "EdlkVCD", "Pfad zur lkVCDxRip.exe"},
    {Tool::mpgtx, "Bumpgtx", "mpgtx", "Edmpgtx", "Pfad zur mpgtx.exe"},
    {Tool::jrDMUX, "BuJRDMUX", "jrDMUX", "EdJRDMUX", "Pfad zur jrDMUX.exe"},
    {Tool::BeSweet, "BuBeSweet", "BeSweet", "EdBeSweet", "Pfad zur BeSweet.exe"},
    {Tool::MPlex, "BuMPlex", "MPlex", "EdMPlex", "Pfad zur MPlex.exe"},
    {Tool::DVDauthor, "BuDVDAuthor", "DVDAuthor", "EdDVDAuthor", "Pfad zur dvdauthor.exe"},
    {Tool::mkisofs, "Bumkisofs", "mkisofs", "Edmkisofs", "Pfad zur mkisofs.exe"},
}};

QLabel* VersionLabel(QWidget* parent, const char* name, const QString& path) {
    const bool known = !path.isEmpty() && path != NotFoundMarker();
    return Label(parent, name, known ? FileVersionText(path) : QString());
}

}  // namespace

TFormTools::TFormTools(ToolPaths& tools, Dialogs& dialogs, const QString& programDir, QWidget* parent)
    : QDialog(parent), tools_(tools), dialogs_(dialogs), programDir_(programDir) {
    setObjectName(QStringLiteral("FormTools"));
    setWindowTitle(QStringLiteral("Pfade zu den Tools"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->setColumnMinimumWidth(1, 360);
    buildToolRows(grid);
    buildBurnRows(grid);
    layout->addLayout(grid);

    auto* bottom = new QHBoxLayout;
    QLabel* product = Label(this, "LaProduct", QStringLiteral("Tavrolin"));
    product->setEnabled(false);
    BuClose = Button(this, "BuClose", QStringLiteral("Schließen"));
    bottom->addWidget(product);
    bottom->addStretch();
    bottom->addWidget(BuClose);
    layout->addLayout(bottom);
    connect(BuClose, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormTools::buildToolRows(QGridLayout* grid) {
    QPushButton** buttons[] = {&BuLKVCD, &Bumpgtx, &BuJRDMUX, &BuBeSweet, &BuMPlex, &BuDVDAuthor, &Bumkisofs};
    QLineEdit** edits[] = {&EdlkVCD, &Edmpgtx, &EdJRDMUX, &EdBeSweet, &EdMPlex, &EdDVDAuthor, &Edmkisofs};
    for (int row = 0; row < static_cast<int>(kBrowsers.size()); ++row) {
        const Browser& b = kBrowsers[row];
        *buttons[row] = Button(this, b.button, QLatin1String(b.caption));
        *edits[row] = Edit(this, b.edit, QLatin1String(b.caption), true);
        (*edits[row])->setText(tools_[b.tool]);
        edits_[static_cast<int>(b.tool)] = *edits[row];
        grid->addWidget(*buttons[row], row, 0);
        grid->addWidget(*edits[row], row, 1, 1, 2);
        const Tool tool = b.tool;
        connect(*buttons[row], &QPushButton::clicked, this, [this, tool] { BrowseTool(tool); });
    }
}

void TFormTools::buildBurnRows(QGridLayout* grid) {
    const int row = static_cast<int>(kBrowsers.size());
    EdDec = Edit(this, "EdDec", QStringLiteral("DVD Decrypter"), true);
    EdImg = Edit(this, "EdImg", QStringLiteral("Img Tool Burn"), true);
    EdDec->setText(tools_[Tool::Decrypter]);
    EdImg->setText(tools_[Tool::ImgTool]);
    edits_[static_cast<int>(Tool::Decrypter)] = EdDec;
    edits_[static_cast<int>(Tool::ImgTool)] = EdImg;
    LaDecVer = VersionLabel(this, "LaDecVer", tools_[Tool::Decrypter]);
    LaImgVer = VersionLabel(this, "LaImgVer", tools_[Tool::ImgTool]);
    grid->addWidget(Label(this, "LaDec", QStringLiteral("DVD Decrypter")), row, 0);
    grid->addWidget(EdDec, row, 1);
    grid->addWidget(LaDecVer, row, 2);
    grid->addWidget(Label(this, "LaImg", QStringLiteral("Img Tool Burn")), row + 1, 0);
    grid->addWidget(EdImg, row + 1, 1);
    grid->addWidget(LaImgVer, row + 1, 2);
}

void TFormTools::BrowseTool(Tool tool) {
    const Browser* browser = nullptr;
    for (const Browser& b : kBrowsers)
        if (b.tool == tool) browser = &b;
    if (!browser) return;
    const QString current = tools_[tool];
    Dialogs::FileRequest request;
    request.title = QLatin1String(browser->title);
    request.folder = current.isEmpty() ? programDir_ : QFileInfo(current).absolutePath();
    request.fileName = ToolFileName(tool);
    request.filter = QStringLiteral("Ausführbar (*)|*");
    const QStringList files = dialogs_.openFiles(request);
    if (files.isEmpty() || !accepts(tool, files.first())) return;
    tools_[tool] = files.first();
    edits_[static_cast<int>(tool)]->setText(files.first());
    if (tool == Tool::lkVCDxRip) emit ripToolChosen();
}

// mkisofs may be any file (genisoimage and the like); any other tool's file must
// bear the tool's name.
bool TFormTools::accepts(Tool tool, const QString& file) const {
    if (!FileExists(file)) return false;
    return tool == Tool::mkisofs || QFileInfo(file).fileName().toLower() == ToolFileName(tool).toLower();
}
