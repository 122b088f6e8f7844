// DVDDecrypter /MODE ISOWRITE /START /CLOSE [/ERASE] /SRC "IMAGE" /DEST "DEVICE" /SPEED "8x"
// Burns an ISO image with growisofs. A split image (IMAGE_00, IMAGE_01, ...)
// is fed to growisofs as one stream.

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "support/Arguments.h"
#include "support/Burner.h"
#include "support/Child.h"

namespace fs = std::filesystem;

namespace {

const char* const kName = "DVDDecrypter";

struct Request {
    std::string mode, source, destination, speed;
    bool erase = false;
};

bool Parse(const ArgumentString& arguments, Request& request) {
    const std::vector<std::string>& tokens = arguments.tokens();
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::string option = Lower(tokens[i]);
        std::string* value = option == "/mode"    ? &request.mode
                             : option == "/src"   ? &request.source
                             : option == "/dest"  ? &request.destination
                             : option == "/speed" ? &request.speed
                                                  : nullptr;
        if (value != nullptr && i + 1 < tokens.size()) {
            *value = tokens[++i];
        } else if (option == "/erase") {
            request.erase = true;
        } else if (option != "/start" && option != "/close") {
            return false;
        }
    }
    return arguments.valid() && Lower(request.mode) == "isowrite" && !request.source.empty() &&
           !request.destination.empty();
}

std::string PartName(const std::string& base, int index) {
    char suffix[8];
    std::snprintf(suffix, sizeof suffix, "_%02d", index);
    return base + suffix;
}

// The image file, or the parts of a split image in order.
std::vector<std::string> ImageParts(const std::string& source) {
    std::string base = source;
    if (!fs::exists(source) || (source.size() > 3 && source.compare(source.size() - 3, 3, "_00") == 0)) {
        if (fs::exists(source)) base = source.substr(0, source.size() - 3);
        std::vector<std::string> parts;
        for (int i = 0; i < 100 && fs::exists(PartName(base, i)); ++i)
            parts.push_back(PartName(base, i));
        return parts;
    }
    return {source};
}

std::uintmax_t TotalSize(const std::vector<std::string>& parts) {
    std::uintmax_t total = 0;
    for (const std::string& part : parts)
        total += fs::file_size(part);
    return total;
}

int Burn(const Request& request, const std::vector<std::string>& parts) {
    const std::string device = DeviceOf(request.destination);
    if (request.erase && !BlankIfNeeded(kName, device)) return 1;
    std::vector<std::string> command = GrowisofsCommand(request.speed);
    ChildOptions options;
    if (parts.size() == 1) {
        command.insert(command.end(), {"-Z", device + "=" + parts.front()});
    } else {
        const std::uintmax_t sectors = (TotalSize(parts) + 2047) / 2048;
        command.insert(command.end(), {"-use-the-force-luke=tracksize:" + std::to_string(sectors), "-Z",
                                       device + "=/dev/fd/0"});
        options.feedFiles = parts;
        Say("Feeding " + std::to_string(parts.size()) + " image parts in order, from " + parts.front());
    }
    return RunTool(command, options).adapterExitCode();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::string(argv[1]) == "-version" || std::string(argv[1]) == "--version")) {
        // The program enables the burn speed list from version 3.2.3.0 on; growisofs takes a speed.
        std::cout << "DVDDecrypter 3.5.4.0 (growisofs)" << std::endl;
        return 0;
    }
    Request request;
    if (!Parse(ArgumentString(argc, argv), request)) {
        Complain(kName,
                 "usage: DVDDecrypter /MODE ISOWRITE [/ERASE] /SRC \"IMAGE\" /DEST \"DEVICE\" /SPEED \"8x\"");
        return 1;
    }
    const std::vector<std::string> parts = ImageParts(request.source);
    if (parts.empty()) {
        Complain(kName, "image not found: " + request.source);
        return 1;
    }
    return Burn(request, parts);
}
