// jrdmux SOURCE SELECTION OUTPUT [SUBSTREAM]
// Copies one elementary stream out of an MPEG program stream with ffmpeg.
// SELECTION: 0xc0..0xdf MPEG audio, 0xe0..0xef video, 0xbd private stream
// with SUBSTREAM 0x80..0x87 (AC-3). Every path is one argument.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/Arguments.h"
#include "support/Child.h"

namespace {

const char* const kName = "jrdmux";

struct Stream {
    int id = -1;  // ffmpeg's stream id in the program stream
    std::string format;
};

int ParseNumber(const std::string& text) {
    if (text.empty()) return -1;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 0);
    return (*end == '\0' && value >= 0 && value <= 0xff) ? static_cast<int>(value) : -1;
}

Stream StreamFor(int selection, int substream) {
    if (selection >= 0xc0 && selection <= 0xdf) return {0x100 + selection, "mp2"};
    if (selection >= 0xe0 && selection <= 0xef) return {0x100 + selection, "mpeg2video"};
    if (selection == 0xbd && substream >= 0x80 && substream <= 0x87) return {substream, "ac3"};
    return {};
}

std::string Hex(int value) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    do {
        text.insert(text.begin(), digits[value % 16]);
        value /= 16;
    } while (value > 0);
    return "0x" + text;
}

// The arguments, trimmed; blanks the caller left around a value make no argument.
std::vector<std::string> Arguments(int argc, char** argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = Trim(argv[i]);
        if (!argument.empty()) arguments.push_back(argument);
    }
    return arguments;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args = Arguments(argc, argv);
    if (args.size() < 3 || args.size() > 4) {
        Complain(kName, "usage: jrdmux SOURCE SELECTION OUTPUT [SUBSTREAM]");
        return 1;
    }
    const std::string& source = args[0];
    const std::string& output = args[2];
    const Stream stream = StreamFor(ParseNumber(args[1]), args.size() == 4 ? ParseNumber(args[3]) : -1);
    if (stream.id < 0) {
        Complain(kName, "unknown stream selection " + args[1] + (args.size() == 4 ? " " + args[3] : ""));
        return 1;
    }
    std::error_code error;
    if (!std::filesystem::is_regular_file(source, error)) {
        Complain(kName, "source not found: " + source);
        return 1;
    }
    const ChildResult result = RunTool({"ffmpeg", "-nostdin", "-y", "-i", source, "-map",
                                        "0:i:" + Hex(stream.id), "-c", "copy", "-f", stream.format, output});
    if (result.ok() && std::filesystem::file_size(output, error) > 0) return 0;
    Complain(kName, "the stream could not be copied");
    std::filesystem::remove(output, error);
    return result.ok() ? 1 : result.adapterExitCode();
}
