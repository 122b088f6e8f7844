// ImgTool -d "DVDFOLDER" -v "LABEL" [-o] [-e] [-l]
// Burns a DVD-Video folder with growisofs to the device named in the
// "Device: ..." line of ImgTool.ini beside this program. -o blanks a used
// DVD-RW first, the disc is ejected afterwards unless -e (keep it in) is given,
// -l writes ImgTool.log beside this program.

#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/Arguments.h"
#include "support/Burner.h"
#include "support/Child.h"

namespace fs = std::filesystem;

namespace {

const char* const kName = "ImgTool";
const char* const kDefaultDevice = "/dev/sr0";

struct Request {
    std::string folder, label;
    bool erase = false, keepIn = false, log = false;
};

bool Parse(const ArgumentString& arguments, Request& request) {
    const std::vector<std::string>& tokens = arguments.tokens();
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::string option = Lower(tokens[i]);
        if ((option == "-d" || option == "-v") && i + 1 < tokens.size())
            (option == "-d" ? request.folder : request.label) = tokens[++i];
        else if (option == "-o" || option == "-e" || option == "-l")
            (option == "-o" ? request.erase : option == "-e" ? request.keepIn : request.log) = true;
        else
            return false;
    }
    return arguments.valid() && !request.folder.empty();
}

// The folder this program was started from, as the caller named it.
fs::path ProgramFolder(const char* argv0) {
    const std::string called = argv0;
    if (called.find('/') != std::string::npos) return fs::absolute(called).parent_path();
    std::error_code error;
    return fs::read_symlink("/proc/self/exe", error).parent_path();
}

std::string DeviceFromIni(const fs::path& ini) {
    std::ifstream in(ini);
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t at = line.find("Device");
        const std::size_t colon = line.find(':', at);
        if (at != std::string::npos && colon != std::string::npos) {
            const std::string value = Trim(line.substr(colon + 1));
            if (!value.empty()) return DeviceOf(value);
        }
    }
    return std::string();
}

void WriteLog(const fs::path& path, const std::vector<std::string>& command, int exitCode) {
    std::ofstream log(path, std::ios::trunc);
    const std::time_t now = std::time(nullptr);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", std::localtime(&now));
    log << "ImgTool (growisofs) " << stamp << '\n'
        << "Command: " << CommandText(command) << '\n'
        << "Result:  "
        << (exitCode == 0 ? std::string("OK") : "failed, exit code " + std::to_string(exitCode)) << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    Request request;
    if (!Parse(ArgumentString(argc, argv), request)) {
        Complain(kName, "usage: ImgTool -d \"DVDFOLDER\" -v \"LABEL\" [-o] [-e] [-l]");
        return 1;
    }
    const fs::path folder = ProgramFolder(argv[0]);
    std::string device = DeviceFromIni(folder / "ImgTool.ini");
    if (device.empty()) {
        device = kDefaultDevice;
        Say("No device in " + (folder / "ImgTool.ini").string() + ", using " + device);
    }
    std::error_code error;
    if (!fs::is_directory(request.folder, error)) {
        Complain(kName, "DVD folder not found: " + request.folder);
        return 1;
    }
    if (request.erase && !BlankIfNeeded(kName, device)) return 1;
    std::vector<std::string> command = GrowisofsCommand(std::string());
    command.insert(command.end(), {"-Z", device, "-dvd-video", "-V", request.label, request.folder});
    const int exitCode = RunTool(command).adapterExitCode();
    if (exitCode == 0 && !request.keepIn) Eject(kName, device);
    if (request.log) WriteLog(folder / "ImgTool.log", command, exitCode);
    return exitCode;
}
