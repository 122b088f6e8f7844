#include "pipeline/Brennen.h"

#include <QFile>
#include <QFileInfo>
#include <array>
#include <tuple>

#include "acquisition/DriveList.h"
#include "base/FileWrite.h"
#include "pipeline/RunSupport.h"
#include "platform/Paths.h"

bool UpdateDeviceLines(const QString& iniPath, const QString& device) {
    QFile in(iniPath);
    if (!in.open(QIODevice::ReadOnly)) return false;
    QStringList lines = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));
    in.close();
    for (QString& line : lines) {
        const bool crlf = line.endsWith(QLatin1Char('\r'));
        if (line.contains(QLatin1String("Device")))
            line = QStringLiteral("Device: ") + device + (crlf ? QStringLiteral("\r") : QString());
    }
    return WriteFileWhole(iniPath, lines.join(QLatin1Char('\n')).toUtf8());
}

QString ImgToolDevice(const QString& driveEntry) {
    const DriveEntryParts parts = ParseDriveEntry(driveEntry);
    if (!parts.valid) return driveEntry;
    return parts.text.isEmpty() ? parts.device
                                : parts.device + QStringLiteral(" (") + parts.text + QLatin1Char(')');
}

QString SpeedText(int index) {
    const QStringList speeds{"Max", "1x", "2x", "4x", "8x", "16x"};
    return index >= 0 && index < speeds.size() ? speeds[index] : QString();
}

namespace {

// The options of ImgTool Burn: whether set, flag, log line.
std::array<std::tuple<bool, const char*, const char*>, 3> Options(const ImgToolOptions& o) {
    return {{{o.erase, "-o", "Option:    DVD-RW ohne Nachfrage löschen."},
             {o.eject, "-e", "Option:    DVD nach dem Brennen nicht auswerfen."},
             {o.log, "-l", "Option:    Log speichern."}}};
}

void AppendResult(RunContext& ctx, bool ok) {
    Log(ctx, lmAppend, ok ? QStringLiteral("...OK.") : QStringLiteral("...Fehler."));
}

}  // namespace

CommandPlan ImgToolPlan(const QString& tool, const QString& root, const QString& label,
                        const ImgToolOptions& options) {
    CommandPlan plan{tool};
    plan.arg(QStringLiteral("-d")).quoted(root).arg(QStringLiteral("-v")).quoted(label);
    for (const auto& [on, flag, line] : Options(options))
        if (on) plan.arg(QLatin1String(flag));
    return plan;
}

CommandPlan DecrypterPlan(const QString& tool, const QString& image, const QString& drive,
                          const QString& speed, bool erase) {
    CommandPlan plan{tool};
    for (const char* word : {"/MODE", "ISOWRITE", "/START", "/CLOSE"})
        plan.arg(QLatin1String(word));
    if (erase) plan.arg(QStringLiteral("/ERASE"));
    plan.arg(QStringLiteral("/SRC")).quoted(image).arg(QStringLiteral("/DEST")).quoted(drive);
    return plan.arg(QStringLiteral("/SPEED")).quoted(speed);
}

Outcome BurnWithImgTool(RunContext& ctx) {
    if (const Outcome go = ConfirmStep(ctx, QStringLiteral("DVD brennen")); go != Outcome::Done) return go;
    const ProgramSettings s = ctx.settings();
    const ControlState c = ctx.controls();
    Add(ctx, QStringLiteral("Wurzel:    ") + s.dvdRoot);
    Add(ctx, QStringLiteral("Label:     ") + s.label);
    const ImgToolOptions options{s.erase, s.eject, s.burnLog};
    for (const auto& [on, flag, line] : Options(options))
        if (on) Add(ctx, QString::fromUtf8(line));
    const QString tool = s.tools[Tool::ImgTool];
    const QString ini = JoinPath(QFileInfo(tool).absolutePath(), QStringLiteral("ImgTool.ini"));
    Add(ctx, QStringLiteral("Laufwerk:  ") + c.burnerText);
    if (c.burnerEnabled && c.burnerText.size() > 4 && FileExists(ini))
        UpdateDeviceLines(ini, ImgToolDevice(c.burnerText));
    const Outcome outcome = RunHidden(ctx, ImgToolPlan(tool, s.dvdRoot, s.label, options).call());
    AppendResult(ctx, outcome == Outcome::Done);
    if (outcome == Outcome::Aborted) Add(ctx, AbortLine());
    if (outcome != Outcome::Done) return outcome;
    StateWrite(ctx, 510);
    return DoneIf(SaveLogFile(ctx));
}

Outcome BurnWithDecrypter(RunContext& ctx) {
    StateWrite(ctx, 600);
    if (const Outcome go = ConfirmStep(ctx, QStringLiteral("Image brennen")); go != Outcome::Done) return go;
    const ProgramSettings s = ctx.settings();
    const ControlState c = ctx.controls();
    QString image = s.isoPath;
    if (!FileExists(image)) {
        if (!FileExists(image + QStringLiteral("_00"))) {
            Add(ctx, QStringLiteral("Fehler:    Das Image ") + image +
                         QStringLiteral("_00 wurde nicht gefunden."));
            return Outcome::Failed;
        }
        image += QStringLiteral("_00");
    }
    Add(ctx, QStringLiteral("Image:     ") + image);
    const QString drive = ParseDriveEntry(c.burnerText).device;
    Add(ctx, QStringLiteral("Laufwerk:  ") + c.burnerText);
    const QString speed = SpeedText(s.speed);
    Add(ctx, QStringLiteral("Geschw.:   ") + speed);
    if (s.erase) Add(ctx, QStringLiteral("Option;    CD/DVD-RW ohne Nachfrage löschen."));
    const Outcome outcome =
        RunHidden(ctx, DecrypterPlan(s.tools[Tool::Decrypter], image, drive, speed, s.erase).call());
    AppendResult(ctx, outcome == Outcome::Done);
    if (outcome == Outcome::Aborted) Add(ctx, AbortLine());
    if (outcome != Outcome::Done) return outcome;
    return DoneIf(SaveLogFile(ctx));
}
