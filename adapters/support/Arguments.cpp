#include "support/Arguments.h"

#include <algorithm>
#include <cctype>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The caller passed raw text when an argument begins with a quote (a quoted
// value split at blanks), or a single argument holds a blank. Values passed one
// per argument are never quoted, so they may hold quotes and blanks themselves.
bool IsRawText(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (!arg.empty() && arg.front() == '"') return true;
        if (argc == 2 && arg.find(' ') != std::string::npos) return true;
    }
    return false;
}

}  // namespace

ArgumentString::ArgumentString(int argc, char** argv) {
    if (!IsRawText(argc, argv)) {
        for (int i = 1; i < argc; ++i)
            tokens_.emplace_back(argv[i]);
        return;
    }
    for (int i = 1; i < argc; ++i) {
        if (i > 1) text_ += ' ';
        text_ += argv[i];
    }
    tokenize(text_);
}

void ArgumentString::tokenize(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsBlank(text[i])) {
            ++i;
            continue;
        }
        offsets_.push_back(i);
        std::string token;
        bool quoted = false;
        for (; i < text.size() && (quoted || !IsBlank(text[i])); ++i) {
            if (text[i] == '"')
                quoted = !quoted;
            else
                token += text[i];
        }
        if (quoted) valid_ = false;
        tokens_.push_back(token);
    }
}

std::string ArgumentString::restFrom(std::size_t index) const {
    if (index >= tokens_.size()) return std::string();
    if (offsets_.empty()) {
        std::string rest = tokens_[index];
        for (std::size_t i = index + 1; i < tokens_.size(); ++i)
            rest += ' ' + tokens_[i];
        return rest;
    }
    std::string rest = text_.substr(offsets_[index]);
    while (!rest.empty() && IsBlank(rest.back()))
        rest.pop_back();
    if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"') rest = rest.substr(1, rest.size() - 2);
    return rest;
}

std::string Trim(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}
