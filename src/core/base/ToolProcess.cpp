#include "base/ToolProcess.h"

#include <QProcess>

#include "base/FileHelpers.h"
#include "base/Format.h"

#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>
#include <csignal>

void PrepareToolProcess(QProcess& process, const ToolCall& call, bool piped, int priorityIndex) {
    process.setProgram(call.program);
    process.setArguments(call.arguments);
    if (!call.workFolder.isEmpty()) process.setWorkingDirectory(call.workFolder);
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
    const pid_t program = ::getpid();
    process.setChildProcessModifier([nice, program] {
        // Die with the program, also when it is killed or crashes.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != program) ::_exit(127);
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

bool OutputOverrun(const QStringList& outputs, qint64 limitKB) {
    return limitKB > 0 && OutputSizeKB(outputs) > limitKB;
}

void WriteOverrun(LogSink& log, qint64 limitKB) {
    WriteLog(log, lmAdd,
             FormatSize(QStringLiteral("Fehler:    Die Ausgabe ist auf über %1.0n MB angewachsen, "
                                       "weit mehr als erwartet."),
                        limitKB / 1024.0));
    WriteLog(log, lmIndent, QStringLiteral("Das Programm wurde beendet."));
}

qint64 ToolExitCode(const QProcess& process, bool killed) {
    if (process.exitStatus() == QProcess::NormalExit) return process.exitCode();
    return killed ? 0 : 128 + process.exitCode();
}
