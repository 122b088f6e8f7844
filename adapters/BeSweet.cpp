// BeSweet -core( -input "IN" -output "OUT" -logfile "LOG" ) -shibatch( --rate 48000 )
//         -2lame( -m s -b 224 -e )
// Resamples an MPEG or AC-3 audio file and encodes it as MPEG-1 Layer II with
// ffmpeg (libtwolame; ffmpeg's own encoder where twolame refuses a bitrate).
// Exit code 44 when the argument string cannot be read. The output is
// reproducible: the same input always gives the same bytes (the resampler hands
// on floating-point samples, whose conversion to integers would otherwise be
// dithered with random noise; bit-exact flags, one thread, no metadata).

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "support/Arguments.h"
#include "support/Child.h"

namespace {

const char* const kName = "BeSweet";
const int kBadArguments = 44;

struct Job {
    std::string input, output, logfile;
    int rate = 48000;
    std::string mode = "s";
    int bitrate = 0;  // kbit/s
    bool crc = false;
};

struct Encoding {
    std::string encoder;  // "libtwolame" or "mp2"
    std::string resampler;
    bool ok = false;
};

bool ParsePositive(const std::string& text, int& value) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 6)
        return false;
    value = std::stoi(text);
    return value > 0;
}

bool ValidBitrate(int kbits) {
    static const std::set<int> rates{32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384};
    return rates.count(kbits) > 0;
}

// One option of a section with its value, if it takes one.
bool TakeOption(const std::string& section, const std::vector<std::string>& tokens, std::size_t& i,
                Job& job) {
    const std::string& option = tokens[i];
    const bool hasValue = i + 1 < tokens.size();
    const std::string value = hasValue ? tokens[i + 1] : std::string();
    static const std::map<std::string, std::string Job::*> paths{
        {"-input", &Job::input}, {"-output", &Job::output}, {"-logfile", &Job::logfile}};
    if (section == "-core(" && paths.count(option) && hasValue) {
        job.*paths.at(option) = value;
    } else if (section == "-shibatch(" && option == "--rate" && hasValue) {
        if (!ParsePositive(value, job.rate)) return false;
    } else if (section == "-2lame(" && option == "-m" && hasValue) {
        if (value != "s" && value != "j" && value != "d" && value != "m") return false;
        job.mode = value;
    } else if (section == "-2lame(" && option == "-b" && hasValue) {
        if (!ParsePositive(value, job.bitrate) || !ValidBitrate(job.bitrate)) return false;
    } else if (section == "-2lame(" && option == "-e") {
        job.crc = true;
        return true;
    } else {
        return false;
    }
    ++i;
    return true;
}

bool Parse(const ArgumentString& arguments, Job& job) {
    if (!arguments.valid()) return false;
    const std::vector<std::string>& tokens = arguments.tokens();
    std::string section;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::string& token = tokens[i];
        if (section.empty()) {
            if (token != "-core(" && token != "-shibatch(" && token != "-2lame(") return false;
            section = token;
        } else if (token == ")") {
            section.clear();
        } else if (!TakeOption(section, tokens, i, job)) {
            return false;
        }
    }
    return section.empty() && !job.input.empty() && !job.output.empty() && job.bitrate > 0;
}

std::string TwolameMode(const std::string& mode) {
    if (mode == "j") return "joint_stereo";
    if (mode == "d") return "dual_channel";
    if (mode == "m") return "mono";
    return "stereo";
}

// Whether ffmpeg's resampler has soxr. Asked only when a run fails, as the
// question costs a start of ffmpeg.
bool HasSoxr() {
    std::string help;
    CaptureTool({"ffmpeg", "-hide_banner", "-h", "filter=aresample"}, help);
    return help.find("soxr") != std::string::npos;
}

std::vector<std::string> FfmpegCommand(const Job& job, const std::string& encoder,
                                       const std::string& resampler) {
    // Float out of the resampler: soxr dithers integer samples at random, which
    // would make two runs over the same track differ.
    std::vector<std::string> command{
        "ffmpeg",
        "-hide_banner",
        "-nostdin",
        "-y",
        "-threads",
        "1",
        "-fflags",
        "+bitexact",
        "-i",
        job.input,
        "-map",
        "0:a:0",
        "-map_metadata",
        "-1",
        "-af",
        "aresample=" + std::to_string(job.rate) + ":resampler=" + resampler + ":osf=fltp",
        "-ac",
        job.mode == "m" ? "1" : "2",
        "-c:a",
        encoder,
        "-flags:a",
        "+bitexact",
        "-threads",
        "1"};
    if (encoder == "libtwolame") {
        command.insert(command.end(), {"-mode", TwolameMode(job.mode)});
        if (job.crc) command.insert(command.end(), {"-error_protection", "1"});
    }
    command.insert(command.end(), {"-b:a", std::to_string(job.bitrate) + "k", "-f", "mp2", job.output});
    return command;
}

bool OutputWritten(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && std::filesystem::file_size(path, error) > 0;
}

bool TryEncode(const Job& job, const Encoding& encoding) {
    if (RunTool(FfmpegCommand(job, encoding.encoder, encoding.resampler)).ok() && OutputWritten(job.output))
        return true;
    std::error_code error;
    std::filesystem::remove(job.output, error);
    return false;
}

Encoding Encode(const Job& job) {
    Encoding encoding;
    for (const char* resampler : {"soxr", "swr"}) {
        encoding.resampler = resampler;
        for (const char* encoder : {"libtwolame", "mp2"}) {
            encoding.encoder = encoder;
            encoding.ok = TryEncode(job, encoding);
            if (encoding.ok) return encoding;
            if (encoding.encoder == "libtwolame") Say("libtwolame failed, trying ffmpeg's own encoder.");
        }
        if (HasSoxr()) break;  // the failure lies elsewhere
    }
    return encoding;
}

bool WriteLog(const Job& job, const Encoding& encoding) {
    if (job.logfile.empty()) return true;
    std::ofstream log(job.logfile, std::ios::trunc);
    log << "BeSweet (ffmpeg)\n"
        << "Input:    " << job.input << '\n'
        << "Output:   " << job.output << '\n'
        << "Settings: " << job.rate << " Hz, " << (job.mode == "m" ? "mono" : "stereo")
        << ", MPEG-1 Layer II, " << job.bitrate << " kbit/s"
        << (job.crc && encoding.encoder == "libtwolame" ? ", CRC" : "") << '\n';
    if (!encoding.encoder.empty())
        log << "Encoder:  " << encoding.encoder << ", resampler " << encoding.resampler << '\n';
    std::error_code error;
    log << "Result:   "
        << (encoding.ok ? "OK, " + std::to_string(std::filesystem::file_size(job.output, error)) + " bytes"
                        : std::string("failed"))
        << '\n';
    return static_cast<bool>(log);
}

}  // namespace

int main(int argc, char** argv) {
    Job job;
    if (!Parse(ArgumentString(argc, argv), job)) {
        Complain(kName, "cannot read the argument string");
        return kBadArguments;
    }
    std::error_code error;
    if (!std::filesystem::is_regular_file(job.input, error)) {
        Complain(kName, "input not found: " + job.input);
        WriteLog(job, {});
        return 1;
    }
    const Encoding encoding = Encode(job);
    const bool logged = WriteLog(job, encoding);
    if (!logged) Complain(kName, "cannot write the log file " + job.logfile);
    return encoding.ok && logged ? 0 : 1;
}
