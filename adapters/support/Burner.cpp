#include "support/Burner.h"

#include <fcntl.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "support/Arguments.h"
#include "support/Child.h"

namespace {

std::string SpeedDigits(const std::string& speed) {
    std::string digits;
    for (char c : speed) {
        if (!std::isdigit(static_cast<unsigned char>(c))) break;
        digits += c;
    }
    return digits;
}

// The trimmed rest of the first line of dvd+rw-mediainfo output holding the label.
std::string Field(const std::string& info, const std::string& label) {
    const std::size_t at = info.find(label);
    if (at == std::string::npos) return std::string();
    const std::size_t begin = at + label.size();
    return Trim(info.substr(begin, info.find('\n', begin) - begin));
}

}  // namespace

bool DryRun() {
    const char* value = std::getenv("TAVROLIN_DRY_RUN");
    return value != nullptr && *value != '\0' && std::string(value) != "0";
}

std::vector<std::string> GrowisofsCommand(const std::string& speed) {
    std::vector<std::string> command{"growisofs"};
    if (DryRun()) command.push_back("-dry-run");
    command.push_back("-dvd-compat");
    const std::string digits = SpeedDigits(speed);
    if (!digits.empty()) command.push_back("-speed=" + digits);
    return command;
}

std::string DeviceOf(const std::string& entry) {
    std::error_code error;
    if (std::filesystem::exists(entry, error)) return entry;
    const std::string named = entry.substr(0, entry.find(" ("));
    if (!named.empty() && std::filesystem::exists(named, error)) return named;
    const std::size_t end = entry.find_first_of(" \t");
    return entry.substr(0, end);
}

bool BlankIfNeeded(const std::string& adapter, const std::string& device) {
    if (DryRun()) {
        Say("Dry run: the medium in " + device + " is not blanked.");
        return true;
    }
    std::string info;
    CaptureTool({"dvd+rw-mediainfo", device}, info);
    const bool sequentialRw = Field(info, "Mounted Media:").find("DVD-RW Sequential") != std::string::npos;
    if (!sequentialRw || Field(info, "Disc status:") == "blank") return true;
    const ChildResult result = RunTool({"dvd+rw-format", "-blank", device});
    if (!result.ok()) Complain(adapter, "blanking the medium in " + device + " failed");
    return result.ok();
}

void Eject(const std::string& adapter, const std::string& device) {
    if (DryRun()) {
        Say("Dry run: " + device + " is not ejected.");
        return;
    }
    Say("Ejecting " + device);
    const int fd = open(device.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0 || ioctl(fd, CDROMEJECT, 0) != 0) Complain(adapter, "cannot eject " + device);
    if (fd >= 0) close(fd);
}
