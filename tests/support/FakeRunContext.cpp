#include "support/FakeRunContext.h"

#include <QDir>

FakeRunContext::FakeRunContext(const QString& programDir)
    : folder(programDir), places(PortableFolders(programDir)) {
    toolRunner = std::make_unique<ProcessRunner>(memory, gauge, [this] { return values.priority; });
    values.work = programDir;
    values.dvdRoot = programDir + QStringLiteral("/DVD");
    values.projects = programDir;
}

void FakeRunContext::useRealTools() {
    ProgramSettings& s = values;
    s.work = folder + QStringLiteral("/Arbeit");
    s.dvdRoot = folder + QStringLiteral("/Dvd");
    QDir().mkpath(s.work);
    s.tools[Tool::mpgtx] = QStringLiteral("/usr/bin/mpgtx");
    s.tools[Tool::jrDMUX] = QStringLiteral(TAV_TOOL_DIR "/jrdmux");
    s.tools[Tool::BeSweet] = QStringLiteral(TAV_TOOL_DIR "/BeSweet");
    s.tools[Tool::MPlex] = QStringLiteral("/usr/bin/mplex");
    s.tools[Tool::DVDauthor] = QStringLiteral("/usr/bin/dvdauthor");
    s.tools[Tool::mkisofs] = QStringLiteral("/usr/bin/mkisofs");
    s.menu1 = QStringLiteral(TAV_PROGRAM_DIR "/menue/dummymenu.vob");
    s.menu2 = QStringLiteral(TAV_PROGRAM_DIR "/menue/menu01sub.vob");
    s.menu3 = QStringLiteral(TAV_PROGRAM_DIR "/menue/menu02sub.vob");
    run.runProjectFile = folder + QStringLiteral("/Projekt-Temp.tvpr");
}
