#include "pipeline/AuthorScript.h"

#include "pipeline/RunSupport.h"
#include "pipeline/WorkFiles.h"
#include "platform/Paths.h"
#include "sources/SourceTable.h"
#include "sources/Tables.h"

QString XmlAttribute(const QString& text) {
    QString escaped = text.toHtmlEscaped();  // & < > "
    return escaped.replace(QLatin1Char('\''), QLatin1String("&apos;"));
}

namespace {

QString Line(int blanks, const QString& text) {
    return QString(blanks, QLatin1Char(' ')) + text;
}

int MenuVariant(const ProgramSettings& s) {
    return s.variant2 ? 2 : s.variant1 ? 1 : 0;
}

// The menu's vob line, after checking that its file exists.
bool MenuVob(RunContext& ctx, const QString& file, QStringList& lines) {
    if (!FileExists(file)) {
        Add(ctx, QStringLiteral("Fehler:    Das Menü ") + file + QStringLiteral(" wurde nicht gefunden."));
        return false;
    }
    lines << Line(12,
                  QStringLiteral("<vob file=\"") + XmlAttribute(file) + QStringLiteral("\" pause=\"inf\"/>"));
    return true;
}

bool VideoManager(RunContext& ctx, const ProgramSettings& s, QStringList& lines) {
    const SourceTable& table = ctx.sources();
    const int variant = MenuVariant(s);
    const int titles = s.onePgcPerFile ? table.count() : table[table.count()].VTS;
    lines << QStringLiteral("<dvdauthor dest =\"") + XmlAttribute(s.dvdRoot) + QStringLiteral("\">");
    lines << Line(3, QStringLiteral("<vmgm>")) << Line(6, QStringLiteral("<menus lang=\"de\">"));
    if (variant > 0) lines << Line(9, QStringLiteral("<video format=\"pal\" aspect=\"4:3\" />"));
    lines << Line(9, QStringLiteral("<pgc entry=\"title\">")) << Line(12, QStringLiteral("<pre>"));
    for (int t = 2; t <= titles; ++t)
        lines << Line(15, QString::asprintf("if(g0==%.1d) jump title %.1d;", t - 1, t));
    if (!(s.playMenuFirst && variant == 2)) lines << Line(15, QStringLiteral("jump title 1;"));
    lines << Line(12, QStringLiteral("</pre>"));
    if (variant == 2) {
        lines << Line(12, QStringLiteral("<button name=\"SHOW\">g0=0;jump title 1; </button>"))
              << Line(12, QStringLiteral("<button name=\"DANKE\">jump vmgm menu 2; </button>"));
    }
    if (variant > 0 && !MenuVob(ctx, variant == 1 ? s.menu1 : s.menu2, lines)) return false;
    lines << Line(9, QStringLiteral("</pgc>"));
    if (variant == 2) {
        lines << Line(9, QStringLiteral("<pgc>"))
              << Line(12, QStringLiteral("<button name=\"menu\">g0=0;jump vmgm menu 1; </button>"));
        if (!MenuVob(ctx, s.menu3, lines)) return false;
        lines << Line(9, QStringLiteral("</pgc>"));
    }
    lines << Line(6, QStringLiteral("</menus>")) << Line(3, QStringLiteral("</vmgm>"));
    return true;
}

QString VideoLine(const MPEGInfo& source) {
    QString format =
        source.Bildwiederholrate == QLatin1String("25") ? QStringLiteral("pal") : QStringLiteral("ntsc");
    QString aspect =
        source.AspectRatio == QLatin1String("16:9") ? QStringLiteral("16:9") : QStringLiteral("4:3");
    return Line(6, QStringLiteral("<video format=\"") + format + QStringLiteral("\" aspect=\"") + aspect +
                       QStringLiteral("\" resolution=\"") + XmlAttribute(source.Bildgroesse) +
                       QStringLiteral("\" />"));
}

QString AudioLine(const MPEGInfo& source, int j) {
    const bool ac3 = DiscAudioFormat(source, j) == 1;
    QString line = QStringLiteral("<audio format=\"") +
                   (ac3 ? QStringLiteral("ac3") : QStringLiteral("mp2")) + QLatin1Char('"');
    if (source.DVDSprache[j] != kNone)
        line +=
            QStringLiteral(" lang=\"") + TableText(LanguageTable(), source.DVDSprache[j]) + QLatin1Char('"');
    return Line(6, line + QStringLiteral(" />"));
}

// The vob line of source i, after checking that its video file exists.
bool VobLine(RunContext& ctx, int i, QString* line) {
    const MPEGInfo& source = ctx.sources()[i];
    const QString file = AuthorVideoFile(ctx.settings().work, i, source);
    if (!FileExists(file)) {
        SourceMissing(ctx, file);
        return false;
    }
    *line = Line(9, QStringLiteral("<vob file=\"") + XmlAttribute(file));
    if (!source.Kapitel.isEmpty()) *line += QStringLiteral("\" chapters=\"") + XmlAttribute(source.Kapitel);
    *line += QStringLiteral("\" />");
    const bool onePgcPerFile = ctx.settings().onePgcPerFile;
    if (i == 1)
        Add(ctx, (onePgcPerFile ? QStringLiteral("Quelle(n): ") : QStringLiteral("Von:       ")) + file);
    else
        Indented(ctx, file);
    return true;
}

bool TitleSet(RunContext& ctx, int v, QStringList& lines) {
    const SourceTable& table = ctx.sources();
    int first = 0;
    for (int i = 1; i <= table.count() && first == 0; ++i)
        if (table[i].VTS == v) first = i;
    if (first == 0) return false;
    int last = first;
    while (last < table.count() && table[last + 1].VTS <= v)
        ++last;

    const MPEGInfo& head = table[first];
    lines << Line(0, QStringLiteral("<titleset>")) << Line(3, QStringLiteral("<titles>")) << VideoLine(head);
    for (int j = 0; j < qMin(head.trackCount(), 2); ++j)
        lines << AudioLine(head, j);
    const bool onePgcPerFile = ctx.settings().onePgcPerFile;
    QString vob;
    if (!onePgcPerFile)
        lines << Line(6, QStringLiteral("<pgc>")) << Line(9, QStringLiteral("<pre>g0=%1;</pre>").arg(v));
    for (int i = first; i <= last; ++i) {
        if (!VobLine(ctx, i, &vob)) return false;
        if (onePgcPerFile)
            lines << Line(6, QStringLiteral("<pgc>")) << Line(9, QStringLiteral("<pre>g0=%1;</pre>").arg(i));
        lines << vob;
        if (onePgcPerFile)
            lines << Line(9, QStringLiteral("<post>call vmgm menu;</post>"))
                  << Line(6, QStringLiteral("</pgc>"));
    }
    if (!onePgcPerFile)
        lines << Line(9, QStringLiteral("<post>call vmgm menu;</post>")) << Line(6, QStringLiteral("</pgc>"));
    lines << Line(3, QStringLiteral("</titles>")) << Line(0, QStringLiteral("</titleset>"));
    return SaveLogFile(ctx);
}

}  // namespace

bool BuildAuthorScript(RunContext& ctx, QStringList& lines) {
    const ProgramSettings settings = ctx.settings();
    if (!VideoManager(ctx, settings, lines)) return false;
    const SourceTable& table = ctx.sources();
    const int titleSets = table[table.count()].VTS;
    for (int v = 1; v <= titleSets; ++v) {
        if (!TitleSet(ctx, v, lines)) {
            Add(ctx,
                QString::asprintf("Fehler:    Beim Erstellen des VTS %.1d ist ein Fehler aufgetreten.", v));
            return false;
        }
    }
    lines << QStringLiteral("</dvdauthor>");
    return true;
}
