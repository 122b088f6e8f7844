#include "base/ToolPool.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include "base/FileHelpers.h"
#include "base/ToolProcess.h"

namespace {

constexpr int kPollMs = 1000;

}  // namespace

ToolPool::ToolPool(ToolRunner& runner, ProgressView& progress) : runner_(runner), progress_(progress) {
    runner_.attachPool(this);
}

ToolPool::~ToolPool() {
    runner_.attachPool(nullptr);
    killAll();
    for (Task& task : tasks_)
        task.process->waitForFinished();
}

bool ToolPool::start(const ToolCall& call, int priorityIndex, LogSink& block, Ended ended) {
    WriteLog(block, lmAdd, HiddenCommandLine(call));
    runner_.poolToolStarting(call);
    auto process = std::make_unique<QProcess>();
    PrepareToolProcess(*process, call, false, priorityIndex);
    process->start();
    if (!process->waitForStarted()) {
        WriteLog(block, lmAdd, QStringLiteral("Fehler:    ") + process->errorString());
        return false;
    }
    tasks_.push_back(Task{std::move(process), &block, std::move(ended), call.outputs, call.limitKB});
    Task& task = tasks_.back();
    QObject::connect(task.process.get(), &QProcess::finished, [this, &task] {
        task.finished = true;
        if (loop_) loop_->quit();
    });
    if (!call.watchFile.isEmpty()) watched_ << call.watchFile;
    return true;
}

void ToolPool::wait() {
    const auto finished = [this] {
        for (const Task& task : tasks_)
            if (task.finished) return true;
        return false;
    };
    if (!tasks_.empty() && !finished()) {
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [this] { this->poll(); });
        poll.start(kPollMs);
        loop_ = &loop;
        loop.exec();
        loop_ = nullptr;
    }
    poll();  // a tool may end before a poll saw its output
    for (auto it = tasks_.begin(); it != tasks_.end();) {
        if (!it->finished) {
            ++it;
            continue;
        }
        const qint64 code = ToolExitCode(*it->process, it->killed);
        if (it->overrun)
            WriteOverrun(*it->block, it->limitKB);
        else if (const QString message = ExitCodeText(code); !message.isEmpty())
            WriteLog(*it->block, lmIndent, message);
        const Ended ended = std::move(it->ended);
        const bool killed = it->killed;
        const bool ok = code == 0 && !it->overrun;
        it = tasks_.erase(it);
        ended(ok, killed);
    }
}

bool ToolPool::killAll() {
    bool any = false;
    for (Task& task : tasks_) {
        if (task.finished || task.process->state() == QProcess::NotRunning) continue;
        task.killed = true;
        KillToolProcess(*task.process);
        any = true;
    }
    return any;
}

void ToolPool::poll() {
    qint64 kb = 0;
    for (const QString& file : watched_)
        kb += FileSizeKB(file);
    progress_.setGaugePosition(kb);
    for (Task& task : tasks_) {
        if (task.overrun || !OutputOverrun(task.outputs, task.limitKB)) continue;
        task.overrun = true;
        if (task.process->state() != QProcess::NotRunning) KillToolProcess(*task.process);
    }
}
