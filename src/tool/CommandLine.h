// The arguments of one tessary-tool command: options from a fixed table, and the rest in order.
#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tessary::tool {

// Wrong usage: the tool prints the message and a pointer to the help, and ends with status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A refused input: the tool prints "FILE: what is wrong" and ends with status 1.
class RefusedInput : public std::runtime_error {
public:
    RefusedInput(std::string file, const std::string& what)
        : std::runtime_error(what), file_(std::move(file)) {}
    const std::string& file() const { return file_; }

private:
    std::string file_;
};

struct OptionRule {
    std::string_view longName;  // "--group"
    std::string_view shortName; // "-o", or empty
    bool takesValue = false;
};

class CommandLine {
public:
    // Parses `args` (the words after the command name). Accepts "--name value", "--name=value"
    // and "-o value"; "--" ends the options. An unknown option, a missing value or an option
    // given twice throws UsageError naming it.
    CommandLine(const std::vector<std::string>& args, const std::vector<OptionRule>& options);

    bool has(std::string_view longName) const { return values_.count(std::string(longName)) > 0; }
    std::optional<std::string> value(std::string_view longName) const;
    const std::vector<std::string>& positional() const { return positional_; }

private:
    std::map<std::string, std::string, std::less<>> values_;
    std::vector<std::string> positional_;
};

// A group or category number as the tree knows them: 1 to 255.
int parseIndex(std::string_view option, const std::string& text);

} // namespace tessary::tool
