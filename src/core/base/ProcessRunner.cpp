#include "base/ProcessRunner.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include "base/FileHelpers.h"
#include "base/ToolPool.h"
#include "base/ToolProcess.h"

namespace {

constexpr int kPipedPollMs = 100;
constexpr int kHiddenPollMs = 1000;

}  // namespace

ProcessRunner::ProcessRunner(LogSink& log, ProgressView& progress, std::function<int()> priorityIndex)
    : log_(log), progress_(progress), priorityIndex_(std::move(priorityIndex)) {}

ProcessRunner::~ProcessRunner() {
    KillTool();
}

int ProcessRunner::NiceValue(int priorityIndex) {
    return ToolNiceValue(priorityIndex);
}

bool ProcessRunner::RunToolPiped(const ToolCall& call) {
    return run(call, true);
}

bool ProcessRunner::RunTool(const ToolCall& call) {
    WriteLog(log_, lmAdd, HiddenCommandLine(call));
    return run(call, false);
}

bool ProcessRunner::isRunning() const {
    return process_ != nullptr || (pool_ && pool_->running() > 0);
}

bool ProcessRunner::KillTool() {
    const bool poolKilled = pool_ && pool_->killAll();
    if (!process_ || process_->state() == QProcess::NotRunning) return poolKilled;
    killed_ = true;
    KillToolProcess(*process_);
    return true;
}

void ProcessRunner::guard(const ToolCall& call) {
    if (overrun_ || !OutputOverrun(call.outputs, call.limitKB)) return;
    overrun_ = true;
    if (process_ && process_->state() != QProcess::NotRunning) KillToolProcess(*process_);
}

bool ProcessRunner::run(const ToolCall& call, bool piped) {
    QProcess process;
    PrepareToolProcess(process, call, piped, priorityIndex_ ? priorityIndex_() : -1);

    killed_ = false;
    overrun_ = false;
    LineSplitter lines(log_);
    process.start();
    if (!process.waitForStarted()) {
        WriteLog(log_, lmAdd, QStringLiteral("Fehler:    ") + process.errorString());
        return false;
    }
    process_ = &process;

    QEventLoop loop;
    QTimer poll;
    poll.setInterval(piped ? kPipedPollMs : kHiddenPollMs);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!call.watchFile.isEmpty()) progress_.setGaugePosition(FileSizeKB(call.watchFile));
        guard(call);
    });
    if (piped) QObject::connect(&process, &QProcess::readyRead, [&] { lines.feed(process.readAll()); });
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    poll.start();
    if (process.state() != QProcess::NotRunning) loop.exec();
    poll.stop();
    if (piped) lines.feed(process.readAll());
    guard(call);  // a tool may end before a poll saw its output
    process_ = nullptr;

    if (!call.watchFile.isEmpty()) progress_.setGaugePosition(FileSizeKB(call.watchFile));
    const qint64 code = ToolExitCode(process, killed_);
    if (overrun_) {
        WriteOverrun(log_, call.limitKB);
    } else if (const QString message = ExitCodeText(code); !message.isEmpty()) {
        WriteLog(log_, lmIndent, message);
    }
    if (piped) lines.flush();
    return !overrun_ && code == 0;
}
