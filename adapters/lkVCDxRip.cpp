// lkVCDxRip -version
// lkVCDxRip /o "TEMP" /b IMAGE.bin      (or /n IMAGE.nrg)
// lkVCDxRip /o "TEMP" /c h,c,t /d GENERIC
// Extracts the main MPEG track of a (S)VCD image or disc with vcdxrip into
// TEMP/mpeg2/avseq01.mpg (SVCD) or TEMP/mpegav/avseq01.mpg (VCD), with the
// disc's structure and entry points in TEMP/svcd.xml or TEMP/vcd.xml.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/Arguments.h"
#include "support/Child.h"

namespace fs = std::filesystem;

namespace {

const char* const kName = "lkVCDxRip";
const char* const kCueName = ".lkvcdxrip-image.cue";
const char* const kBinName = ".lkvcdxrip-image.bin";

struct Request {
    std::string temp;
    std::string bin, nrg, address;  // exactly one is set
};

bool Parse(const ArgumentString& arguments, Request& request) {
    const std::vector<std::string>& tokens = arguments.tokens();
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::string option = Lower(tokens[i]);
        if (i + 1 >= tokens.size()) return false;
        if (option == "/o") {
            request.temp = tokens[++i];
        } else if (option == "/b" || option == "/n") {
            // The image path is the last value and is not quoted: it may hold blanks.
            (option == "/b" ? request.bin : request.nrg) = arguments.restFrom(i + 1);
            break;
        } else if (option == "/c") {
            request.address = tokens[++i];
        } else if (option == "/d") {
            ++i;  // drive interface, always GENERIC
        } else {
            return false;
        }
    }
    const int sources = !request.bin.empty() + !request.nrg.empty() + !request.address.empty();
    if (!arguments.valid() || request.temp.empty() || sources != 1) return false;
    // vcdxrip runs inside the output folder: every path must be absolute.
    std::error_code error;
    for (std::string* path : {&request.temp, &request.bin, &request.nrg})
        if (!path->empty()) *path = fs::absolute(*path, error).string();
    return true;
}

// "h,c,t" against a SCSI address "h:c:t:l".
bool SameAddress(const std::string& wanted, const std::string& address) {
    std::string prefix = wanted;
    for (char& c : prefix)
        c = c == ',' ? ':' : c;
    return address.rfind(prefix + ":", 0) == 0;
}

// The optical drive with the SCSI address, from sysfs.
std::string DriveAt(const std::string& wanted) {
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator("/sys/class/block", error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("sr", 0) != 0) continue;
        const fs::path device = fs::read_symlink(entry.path() / "device", error);
        if (!error && SameAddress(wanted, device.filename().string())) return "/dev/" + name;
    }
    return std::string();
}

// A cue sheet for an image without one beside it: vcdxrip reads a BIN only
// through a cue, and looks for the BIN beside the cue.
std::string CueFor(const std::string& image, const std::string& temp) {
    for (const char* extension : {".cue", ".CUE"}) {
        const fs::path beside = fs::path(image).replace_extension(extension);
        if (fs::exists(beside)) return beside.string();
    }
    std::error_code error;
    const fs::path bin = fs::path(temp) / kBinName;
    fs::remove(bin, error);
    fs::create_symlink(image, bin, error);
    std::ofstream cue(fs::path(temp) / kCueName);
    cue << "FILE \"" << kBinName << "\" BINARY\n  TRACK 01 MODE2/2352\n    INDEX 01 00:00:00\n";
    return (fs::path(temp) / kCueName).string();
}

void RemoveCue(const std::string& temp) {
    std::error_code error;
    fs::remove(fs::path(temp) / kCueName, error);
    fs::remove(fs::path(temp) / kBinName, error);
}

// vcdxrip's source options for the request.
std::vector<std::string> SourceOptions(const Request& request) {
    if (!request.nrg.empty()) return {"--nrg-file=" + request.nrg};
    if (!request.bin.empty()) return {"--cue-file=" + CueFor(request.bin, request.temp)};
    return {"--cdrom-device=" + DriveAt(request.address)};
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// "vcd", "svcd" or "hqvcd" from the structure vcdxrip reads; empty when none.
std::string DiscClass(const std::vector<std::string>& source, const std::string& temp) {
    const fs::path probe = fs::path(temp) / ".lkvcdxrip-probe.xml";
    std::vector<std::string> command{"vcdxrip", "--norip", "--output-file=" + probe.string()};
    command.insert(command.end(), source.begin(), source.end());
    if (!RunTool(command).ok()) return std::string();
    const std::string xml = ReadFile(probe);
    std::error_code error;
    fs::remove(probe, error);
    const std::size_t at = xml.find("class=\"");
    if (at == std::string::npos) return std::string();
    return xml.substr(at + 7, xml.find('"', at + 7) - at - 7);
}

bool SourceExists(const Request& request) {
    if (!request.address.empty()) return !DriveAt(request.address).empty();
    std::error_code error;
    return fs::is_regular_file(request.bin.empty() ? request.nrg : request.bin, error);
}

// Rips from inside TEMP/mpegav or TEMP/mpeg2, where vcdxrip writes avseq01.mpg.
int RipFrom(const std::vector<std::string>& source, const std::string& temp) {
    const std::string discClass = DiscClass(source, temp);
    if (discClass.empty()) {
        Complain(kName, "not a (S)VCD");
        return 1;
    }
    const bool vcd = discClass == "vcd";
    const fs::path folder = fs::path(temp) / (vcd ? "mpegav" : "mpeg2");
    const fs::path xml = fs::path(temp) / (vcd ? "vcd.xml" : "svcd.xml");
    std::error_code error;
    fs::create_directories(folder, error);
    std::vector<std::string> command{"vcdxrip", "--progress", "--output-file=" + xml.string()};
    command.insert(command.end(), source.begin(), source.end());
    const ChildResult result = RunTool(command, {folder.string(), {}});
    if (!result.ok()) return result.adapterExitCode();
    if (!fs::is_regular_file(folder / "avseq01.mpg", error)) {
        Complain(kName, "vcdxrip wrote no avseq01.mpg");
        return 1;
    }
    return 0;
}

int Rip(const Request& request) {
    if (!SourceExists(request)) {
        Complain(kName,
                 request.address.empty() ? "image not found" : "no drive at address " + request.address);
        return 1;
    }
    std::error_code error;
    fs::create_directories(request.temp, error);
    const int exitCode = RipFrom(SourceOptions(request), request.temp);
    RemoveCue(request.temp);
    return exitCode;
}

}  // namespace

int main(int argc, char** argv) {
    const ArgumentString arguments(argc, argv);
    if (arguments.tokens().size() == 1 && Lower(arguments.tokens()[0]) == "-version")
        return RunTool({"vcdxrip", "--version"}).adapterExitCode();
    Request request;
    if (!Parse(arguments, request)) {
        Complain(kName, "usage: lkVCDxRip /o \"TEMP\" /b IMAGE | /n IMAGE | /c h,c,t /d GENERIC");
        return 1;
    }
    return Rip(request);
}
