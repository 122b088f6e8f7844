#include "pipeline/ToolProcess.h"

#include <QProcess>

#include <sys/resource.h>
#include <unistd.h>
#include <csignal>

void PrepareToolProcess(QProcess& process, const ToolCall& call, bool piped, int priorityIndex) {
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
    const int nice = ToolNiceValue(priorityIndex);
    process.setChildProcessModifier([nice] {
        ::setpgid(0, 0);
        ::setpriority(PRIO_PROCESS, 0, nice);  // a refused raise leaves the inherited value
    });
}

int ToolNiceValue(int priorityIndex) {
    static constexpr int kNice[] = {19, 10, 0, -5, -10};
    return priorityIndex >= 0 && priorityIndex < 5 ? kNice[priorityIndex] : 0;
}

QString HiddenCommandLine(const ToolCall& call) {
    return QStringLiteral("Befehl:    \"") + call.program + QStringLiteral("\" ") + call.paramsText;
}

void KillToolProcess(QProcess& process) {
    const qint64 pid = process.processId();
    // The tool runs in its own process group: end its children with it.
    if (pid > 0 && ::kill(-static_cast<pid_t>(pid), SIGKILL) == 0) return;
    process.kill();
}

qint64 ToolExitCode(const QProcess& process, bool killed) {
    if (process.exitStatus() == QProcess::NormalExit) return process.exitCode();
    return killed ? 0 : 128 + process.exitCode();
}
