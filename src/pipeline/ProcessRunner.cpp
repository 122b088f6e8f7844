#include "pipeline/ProcessRunner.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>
#include <csignal>

#include "pipeline/FileHelpers.h"
#include "pipeline/Format.h"

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
    static constexpr int kNice[] = {19, 10, 0, -5, -10};
    return priorityIndex >= 0 && priorityIndex < 5 ? kNice[priorityIndex] : 0;
}

bool ProcessRunner::RunToolPiped(const ToolCall& call) {
    return run(call, true);
}

bool ProcessRunner::RunTool(const ToolCall& call) {
    WriteLog(log_, lmAdd,
             QStringLiteral("Befehl:    \"") + call.program + QStringLiteral("\" ") + call.paramsText);
    return run(call, false);
}

bool ProcessRunner::KillTool() {
    if (!process_ || process_->state() == QProcess::NotRunning) return false;
    killed_ = true;
    endGroup();
    return true;
}

void ProcessRunner::endGroup() {
    const qint64 pid = process_->processId();
    // The tool runs in its own process group: end its children with it.
    if (pid > 0 && ::kill(-static_cast<pid_t>(pid), SIGKILL) == 0) return;
    process_->kill();
}

void ProcessRunner::guard(const ToolCall& call) {
    if (call.limitKB <= 0 || overrun_ || OutputSizeKB(call.outputs) <= call.limitKB) return;
    overrun_ = true;
    if (process_ && process_->state() != QProcess::NotRunning) endGroup();
}

qint64 ProcessRunner::exitCodeOf(const QProcess& process) const {
    if (process.exitStatus() == QProcess::NormalExit) return process.exitCode();
    // Ended by a signal: the runner's own kill counts as exit code 0.
    return killed_ ? 0 : 128 + process.exitCode();
}

bool ProcessRunner::run(const ToolCall& call, bool piped) {
    QProcess process;
    process.setProgram(call.program);
    process.setArguments(call.arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    if (piped) {
        process.setProcessChannelMode(QProcess::MergedChannels);
    } else {
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& entry : call.environment) {
        const int equals = entry.indexOf(QLatin1Char('='));
        if (equals > 0) environment.insert(entry.left(equals), entry.mid(equals + 1));
    }
    process.setProcessEnvironment(environment);
    const int nice = NiceValue(priorityIndex_ ? priorityIndex_() : -1);
    const pid_t program = ::getpid();
    process.setChildProcessModifier([nice, program] {
        // Die with the program, also when it is killed or crashes.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != program) ::_exit(127);
        ::setpgid(0, 0);
        ::setpriority(PRIO_PROCESS, 0, nice);  // a refused raise leaves the inherited value
    });

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
    if (overrun_) {
        WriteLog(log_, lmAdd,
                 FormatSize(QStringLiteral("Fehler:    Die Ausgabe ist auf über %1.0n MB angewachsen, "
                                           "weit mehr als erwartet."),
                            call.limitKB / 1024.0));
        WriteLog(log_, lmIndent, QStringLiteral("Das Programm wurde beendet."));
    } else if (const QString message = ExitCodeText(exitCodeOf(process)); !message.isEmpty()) {
        WriteLog(log_, lmIndent, message);
    }
    if (piped) lines.flush();
    return !overrun_ && exitCodeOf(process) == 0;
}
