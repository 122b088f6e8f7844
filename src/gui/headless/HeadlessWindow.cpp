#include "gui/headless/HeadlessWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

#include "gui/window/Tavrolin.h"
#include "platform/TerminationSignals.h"

HeadlessWindow::HeadlessWindow(const ProgramFolders& folders, WindowServices services,
                               std::function<void(const HeadlessDialogs::Shown&)> onDialog) {
    dialogs_.setObserver(std::move(onDialog));
    window_ = std::make_unique<THaupt>(folders, dialogs_, std::move(services));
    window_->show();
    termination_ = std::make_unique<TerminationSignals>([this] { window_->close(); });
    QApplication::processEvents();
}

HeadlessWindow::~HeadlessWindow() {
    termination_.reset();
}

void HeadlessWindow::followLog(std::function<void(const QString&)> follow) {
    follow_ = std::move(follow);
    followed_ = window_->log().lineCount();
    QObject::connect(window_->findChild<QPlainTextEdit*>(QStringLiteral("MemoLog"))->document(),
                     &QTextDocument::blockCountChanged, window_.get(),
                     [this](int blocks) { handLines(blocks - 1); });
}

void HeadlessWindow::flushLog() {
    handLines(window_->log().lineCount());
}

void HeadlessWindow::handLines(int completeLines) {
    if (!follow_) return;
    const QTextDocument* memo = window_->findChild<QPlainTextEdit*>(QStringLiteral("MemoLog"))->document();
    followed_ = qMin(followed_, completeLines);  // the memo was cleared
    for (; followed_ < completeLines; ++followed_)
        follow_(memo->findBlockByNumber(followed_).text());
}

bool HeadlessWindow::click(const QString& name) {
    auto* button = window_->findChild<QAbstractButton*>(name);
    if (!button || !button->isEnabled()) return false;
    button->click();
    QApplication::processEvents();
    return true;
}

bool HeadlessWindow::openProject(const QString& file) {
    if (QFileInfo(file).suffix().toLower() != QLatin1String("tvpr")) return false;
    dialogs_.answer(file);
    return click(QStringLiteral("BuOeffnen"));
}

bool HeadlessWindow::chooseStage(const QString& stage) {
    QComboBox* stages = window_->findChild<QComboBox*>(QStringLiteral("CoRecover"));
    bool isNumber = false;
    const int number = stage.toInt(&isNumber);
    const int index = isNumber ? number - 1 : stages->findText(stage, Qt::MatchFixedString);
    if (index < 0 || index >= stages->count()) return false;
    stages->setCurrentIndex(index);
    emit stages->activated(index);  // the user's choice
    QApplication::processEvents();
    return true;
}

bool HeadlessWindow::convert() {
    return click(QStringLiteral("BuStart")) && window_->lastRunCompleted();
}
