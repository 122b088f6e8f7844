#include "Driver.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTextStream>
#include <QTimer>

#include <unistd.h>
#include <csignal>

#include "base/ProcessRunner.h"
#include "gui/headless/HeadlessWindow.h"
#include "gui/window/Tavrolin.h"
#include "sources/LibMediaInfo.h"

namespace {

QTextStream& Out() {
    static QTextStream out(stdout);
    return out;
}

// The program's helpers and menu files, linked into a program folder that lacks them.
void LinkBuildFolders(const QString& programDir) {
    for (const QString& name : {QStringLiteral("bin"), QStringLiteral("menue")}) {
        const QString target = QDir(programDir).filePath(name);
        if (!QFileInfo::exists(target)) QFile::link(QStringLiteral(TAV_BUILD_PROGRAM_DIR "/") + name, target);
    }
}

class NoGauge : public ProgressView {
  public:
    void showGauge(qint64) override {}
    void setGaugePosition(qint64) override {}
    void hideGauge() override {}
};

// The program's tool runner, with an interruption when the n-th tool has started.
class InterruptingRunner : public ToolRunner {
  public:
    InterruptingRunner(THaupt& window, int at, std::function<void()> interrupt)
        : runner_(window.log(), gauge_,
                  [priority = window.findChild<QComboBox*>(QStringLiteral("CoProcess"))] {
                      return priority->currentIndex();
                  }),
          at_(at),
          interrupt_(std::move(interrupt)) {}
    bool RunToolPiped(const ToolCall& call) override { return count(), runner_.RunToolPiped(call); }
    bool RunTool(const ToolCall& call) override { return count(), runner_.RunTool(call); }
    bool KillTool() override { return runner_.KillTool(); }
    bool isRunning() const override { return runner_.isRunning(); }
    bool lastRunKilled() const override { return runner_.lastRunKilled(); }
    void attachPool(ToolPool* pool) override { runner_.attachPool(pool); }
    void poolToolStarting(const ToolCall&) override { count(); }

  private:
    // Runs once the tool runs: in the event loop that waits for it.
    void count() {
        if (++started_ == at_) QTimer::singleShot(0, interrupt_);
    }

    NoGauge gauge_;
    ProcessRunner runner_;
    int at_;
    int started_ = 0;
    std::function<void()> interrupt_;
};

}  // namespace

Driver::Driver() = default;

Driver::~Driver() = default;

int Driver::run(const QStringList& arguments) {
    for (int k = 0; k < arguments.size(); ++k) {
        const QString option = arguments[k];
        const bool takesValue = option != QLatin1String("--start");
        if (takesValue && k + 1 >= arguments.size()) {
            Out() << "missing value for " << option << Qt::endl;
            return 2;
        }
        const QString value = takesValue ? arguments[++k] : QString();
        if (option == QLatin1String("--program-dir")) {
            if (!open(value)) return 2;
        } else if (!session_) {
            Out() << "--program-dir must come first" << Qt::endl;
            return 2;
        } else if (!perform(option, value)) {
            Out() << "cannot perform " << option << ' ' << value << Qt::endl;
            return 2;
        }
    }
    return session_ ? finish() : 2;
}

bool Driver::open(const QString& programDir) {
    if (!QDir().mkpath(programDir)) return false;
    LinkBuildFolders(programDir);
    WindowServices services;
    services.mediaLibrary = [] { return std::make_unique<LibMediaInfo>(); };
    services.shutdown = [] {
        Out() << "SHUTDOWN requested" << Qt::endl;
        return true;
    };
    services.openUrl = [](const QUrl& url) {
        Out() << "OPEN " << url.toString() << Qt::endl;
        return true;
    };
    session_ = std::make_unique<HeadlessWindow>(
        PortableFolders(QFileInfo(programDir).absoluteFilePath()), std::move(services),
        [](const HeadlessDialogs::Shown& shown) { Out() << "DIALOG: " << shown.describe() << Qt::endl; });
    return true;
}

bool Driver::perform(const QString& option, const QString& value) {
    const auto answerAndClick = [&](const char* button) {
        session_->dialogs().answer(value);
        return session_->click(QLatin1String(button));
    };
    if (option == QLatin1String("--answer")) return session_->dialogs().answer(value), true;
    if (option == QLatin1String("--click")) return session_->click(value);
    if (option == QLatin1String("--set")) return set(value);
    if (option == QLatin1String("--tab")) return showTab(value);
    if (option == QLatin1String("--screenshot")) return screenshot(value);
    if (option == QLatin1String("--add")) return answerAndClick("BuAdd");
    if (option == QLatin1String("--open")) return session_->openProject(value);
    if (option == QLatin1String("--save")) return answerAndClick("BuSpeichern");
    if (option == QLatin1String("--resume")) return answerAndClick("BuRecover");
    if (option == QLatin1String("--start")) return start(), true;
    if (option == QLatin1String("--interrupt")) return interrupt(value);
    return false;
}

// "abort:N" answers "Abbrechen" with Yes, "kill:N" kills the program, once the
// N-th tool of the run has started.
bool Driver::interrupt(const QString& how) {
    const QStringList parts = how.split(QLatin1Char(':'));
    const int at = parts.value(1).toInt();
    if (parts.size() != 2 || at < 1) return false;
    std::function<void()> act;
    if (parts[0] == QLatin1String("abort"))
        act = [this] {
            session_->dialogs().answer(QStringLiteral("yes"));
            session_->click(QStringLiteral("BuAbbruch"));
        };
    else if (parts[0] == QLatin1String("kill"))
        act = [] { ::kill(::getpid(), SIGKILL); };
    else
        return false;
    THaupt& window = session_->window();
    window.setRunner(std::make_unique<InterruptingRunner>(window, at, act));
    return true;
}

bool Driver::set(const QString& assignment) {
    const int equals = assignment.indexOf(QLatin1Char('='));
    if (equals <= 0) return false;
    const QString name = assignment.left(equals);
    const QString value = assignment.mid(equals + 1);
    QWidget* widget = session_->window().findChild<QWidget*>(name);
    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        if (box->isChecked() != (value != QLatin1String("0"))) box->click();
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        const int index = value.toInt();
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(value);
        emit edit->editingFinished();
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        list->setCurrentRow(value.toInt());
        if (QListWidgetItem* item = list->currentItem()) emit list->itemClicked(item);
    } else if (auto* slider = qobject_cast<QAbstractSlider*>(widget)) {
        slider->setValue(value.toInt());
    } else {
        return false;
    }
    QApplication::processEvents();
    return true;
}

bool Driver::showTab(const QString& name) {
    auto* tabs = session_->window().findChild<QTabWidget*>(QStringLiteral("tav"));
    QWidget* sheet = session_->window().findChild<QWidget*>(name);
    if (!sheet || tabs->indexOf(sheet) < 0) return false;
    tabs->setCurrentWidget(sheet);
    QApplication::processEvents();
    return true;
}

bool Driver::screenshot(const QString& path) {
    QApplication::processEvents();
    return session_->window().grab().save(path);
}

void Driver::start() {
    if (!session_->window().findChild<QPushButton*>(QStringLiteral("BuStart"))->isEnabled())
        return;  // nothing to convert
    started_ = true;
    completed_ = session_->convert();
}

int Driver::finish() {
    const bool completed = !started_ || completed_;
    if (!completed) {
        const QStringList lines = session_->window().log().lines();
        for (const QString& line : lines.mid(qMax(0, lines.size() - 40)))
            Out() << line << Qt::endl;
    }
    session_->window().close();
    QApplication::processEvents();
    session_.reset();
    return completed ? 0 : 1;
}
