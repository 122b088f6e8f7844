#include "pipeline/ProcessRunner.h"

#include <QEventLoop>
#include <QProcess>
#include <QStringDecoder>
#include <QTimer>

#include <sys/resource.h>
#include <unistd.h>
#include <csignal>

#include "pipeline/FileHelpers.h"

namespace {

constexpr int kPipedPollMs = 100;
constexpr int kHiddenPollMs = 1000;

}  // namespace

QString DecodeToolOutput(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

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
    const qint64 pid = process_->processId();
    // The tool runs in its own process group: end its children with it.
    if (pid > 0 && ::kill(-static_cast<pid_t>(pid), SIGKILL) == 0) return true;
    process_->kill();
    return true;
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
    process.setChildProcessModifier([nice] {
        ::setpgid(0, 0);
        ::setpriority(PRIO_PROCESS, 0, nice);  // a refused raise leaves the inherited value
    });

    killed_ = false;
    pending_.clear();
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
    });
    if (piped) QObject::connect(&process, &QProcess::readyRead, [&] { consume(process.readAll()); });
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    poll.start();
    if (process.state() != QProcess::NotRunning) loop.exec();
    poll.stop();
    if (piped) consume(process.readAll());
    process_ = nullptr;

    if (!call.watchFile.isEmpty()) progress_.setGaugePosition(FileSizeKB(call.watchFile));
    const qint64 code = exitCodeOf(process);
    const QString message = ExitCodeText(code);
    if (!message.isEmpty()) WriteLog(log_, lmIndent, message);
    if (piped) flushPending();
    return code == 0;
}

void ProcessRunner::consume(const QByteArray& bytes) {
    for (int i = 0; i < bytes.size(); ++i) {
        const char byte = bytes[i];
        if (byte == '\0') continue;
        if (byte == '\n') {
            WriteLog(log_, lmAdd, DecodeToolOutput(pending_));
            pending_.clear();
        } else if (byte == '\r') {
            const bool crlf = i + 1 < bytes.size() && bytes[i + 1] == '\n';
            if (crlf) ++i;
            WriteLog(log_, crlf ? lmAdd : lmReplace, DecodeToolOutput(pending_));
            pending_.clear();
        } else {
            pending_.append(byte);
        }
    }
}

void ProcessRunner::flushPending() {
    if (!pending_.isEmpty()) WriteLog(log_, lmAdd, DecodeToolOutput(pending_));
    pending_.clear();
}
