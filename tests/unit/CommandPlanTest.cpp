#include "acquisition/Rippen.h"
#include "base/ToolProcess.h"
#include "pipeline/Author.h"
#include "pipeline/Brennen.h"
#include "pipeline/Demuxen.h"
#include "pipeline/Image.h"
#include "sources/MPEGInfo.h"
#include "support/TestSupport.h"

namespace {

MPEGInfo Audio(quint8 first, quint8 second) {
    MPEGInfo source;
    source.TonFormat = {first, second};
    return source;
}

QList<CommandPlan> Jrdmux(quint8 first, quint8 second) {
    return JrdmuxPlans("j", "s.mpg", Audio(first, second), {"a0", "a1"}, "v.m2v");
}

// The argument forms the golden run log does not pin: what the tool gets ('|' between
// arguments), and its "Befehl:" line (piped tools: the step writes it; hidden ones: the runner).
TEST(CommandPlan, EveryArgumentFormOfTheTools) {
    const QList<CommandPlan> ac3 = Jrdmux(1, 1);
    const struct {
        CommandPlan plan;
        bool hidden;
        QString arguments, line;
    } rows[] = {
        {ac3[0], false, "s.mpg|0xbd|a0|0x80", "j s.mpg 0xbd a0 0x80"},
        {ac3[1], false, "s.mpg|0xbd|a1|0x81", "j s.mpg 0xbd a1 0x81 "},
        {Jrdmux(1, 0)[1], false, "s.mpg|0xc0|a1", "j s.mpg 0xc0 a1"},
        {Jrdmux(0, 0)[1], false, "s.mpg|0xc1|a1", "j s.mpg 0xc1 a1"},
        {DvdauthorPlan("d", "/w/s.xml"), false, "-x|/w/s.xml", R"(d -x "/w/s.xml")"},
        {MkisofsPlan("k", "L", false, "i.iso", "i.iso.part", "/dvd"), false,
         "-dvd-video|-V|L|-o|i.iso.part|/dvd", R"(k  -dvd-video -V "L" -o "i.iso" "/dvd")"},
        {MkisofsPlan("k", "L", true, "i.iso", "t", "/dvd"), false, "-dvd-video|-V|L|-split-output|-o|t|/dvd",
         R"(k  -dvd-video -V "L" -split-output -o "i.iso" "/dvd")"},
        {ImgToolPlan("g", "/dvd", "L", {}), true, "-d|/dvd|-v|L", R"(Befehl:    "g" -d "/dvd" -v "L")"},
        {ImgToolPlan("g", "/dvd", "L", {true, true, true}), true, "-d|/dvd|-v|L|-o|-e|-l",
         R"(Befehl:    "g" -d "/dvd" -v "L" -o -e -l)"},
        {DecrypterPlan("c", "i.iso", "/dev/sr0", "4x", false), true,
         "/MODE|ISOWRITE|/START|/CLOSE|/SRC|i.iso|/DEST|/dev/sr0|/SPEED|4x",
         R"(Befehl:    "c" /MODE ISOWRITE /START /CLOSE /SRC "i.iso" /DEST "/dev/sr0" /SPEED "4x")"},
        {DecrypterPlan("c", "i.iso", "/dev/sr0", "", true), true,
         "/MODE|ISOWRITE|/START|/CLOSE|/ERASE|/SRC|i.iso|/DEST|/dev/sr0|/SPEED|",
         R"(Befehl:    "c" /MODE ISOWRITE /START /CLOSE /ERASE /SRC "i.iso" /DEST "/dev/sr0" /SPEED "")"},
        {DiscRipPlan("h", "/r/temp", "1,0,0"), true, "/o|/r/temp|/c|1,0,0|/d|GENERIC",
         R"(Befehl:    "h"  /o "/r/temp" /c 1,0,0 /d GENERIC)"},
        {ExtractionPlan("h", "/r/temp", "/i/a b.BIN"), true, "/o|/r/temp|/b|/i/a b.BIN",
         R"(Befehl:    "h"  /o "/r/temp" /b /i/a b.BIN)"},
        {ExtractionPlan("h", "/r/temp", "/i/a.nrg"), true, "/o|/r/temp|/n|/i/a.nrg",
         R"(Befehl:    "h"  /o "/r/temp" /n /i/a.nrg)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line.toStdString());
        const ToolCall call = row.plan.call("w");
        EXPECT_EQ(call.arguments, row.arguments.split('|'));
        EXPECT_EQ(row.hidden ? HiddenCommandLine(call) : row.plan.commandLine(), row.line);
        EXPECT_EQ(call.watchFile, "w");
    }
    const ToolCall iso = ExtractionPlan("h", "/r/temp", "/i/a.iso").call();
    EXPECT_TRUE(iso.arguments.isEmpty() && HiddenCommandLine(iso) == R"(Befehl:    "h" )");
    EXPECT_EQ(DvdauthorPlan("d", "s").call().environment, QStringList{"VIDEO_FORMAT=PAL"});
}

}  // namespace
