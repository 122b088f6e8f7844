#pragma once

#include <string>
#include <vector>

// The argument string of a Windows-style tool, as the caller hands it over:
// either the whole text in one argument (or split at blanks, quotes and all),
// or already split into one argument per value without quotes.
class ArgumentString {
  public:
    ArgumentString(int argc, char** argv);

    const std::vector<std::string>& tokens() const { return tokens_; }
    // False when a quote is left open.
    bool valid() const { return valid_; }
    // The text from token index to the end, for an unquoted last value that
    // may contain blanks (enclosing quotes removed).
    std::string restFrom(std::size_t index) const;

  private:
    void tokenize(const std::string& text);

    std::vector<std::string> tokens_;
    std::vector<std::size_t> offsets_;  // token starts in text_; empty when split by the caller
    std::string text_;
    bool valid_ = true;
};

std::string Trim(const std::string& text);
std::string Lower(std::string text);
