#include "pipeline/ProcessRunner.h"

#include <QEventLoop>
#include <QProcess>
#include <QStringDecoder>
#include <QTimer>

#include "pipeline/FileHelpers.h"
#include "pipeline/ToolPool.h"
#include "pipeline/ToolProcess.h"

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
    return ToolNiceValue(priorityIndex);
}

bool ProcessRunner::RunToolPiped(const ToolCall& call) {
    return run(call, true);
}

bool ProcessRunner::RunTool(const ToolCall& call) {
    WriteLog(log_, lmAdd, HiddenCommandLine(call));
    return run(call, false);
}

bool ProcessRunner::KillTool() {
    const bool poolKilled = pool_ && pool_->killAll();
    if (!process_ || process_->state() == QProcess::NotRunning) return poolKilled;
    killed_ = true;
    KillToolProcess(*process_);
    return true;
}

bool ProcessRunner::run(const ToolCall& call, bool piped) {
    QProcess process;
    PrepareToolProcess(process, call, piped, priorityIndex_ ? priorityIndex_() : -1);

    killed_ = false;
    pending_.clear();
    process.start();
    if (!process.waitForStarted()) {
        if (piped) WriteLog(log_, lmAdd, QStringLiteral("Fehler:    ") + process.errorString());
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
    const qint64 code = ToolExitCode(process, killed_);
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
