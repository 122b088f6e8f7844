#include "support/FakeRunContext.h"

FakeRunContext::FakeRunContext(const QString& programDir) : folder(programDir) {
    toolRunner = std::make_unique<ProcessRunner>(memory, gauge, [this] { return values.priority; });
    values.work = programDir;
    values.dvdRoot = programDir + QStringLiteral("/DVD");
    values.projects = programDir;
}
