#include "tool/CommandLine.h"

#include "tool/ToolTexts.h"

#include <charconv>

namespace tessary::tool {

namespace {

std::string usageText(std::string_view what, std::string_view word) {
    return std::string(what) + ": " + std::string(word);
}

const OptionRule* findOption(const std::vector<OptionRule>& options, std::string_view name) {
    for (const OptionRule& rule : options) {
        if (rule.longName == name || (!rule.shortName.empty() && rule.shortName == name)) {
            return &rule;
        }
    }
    return nullptr;
}

} // namespace

CommandLine::CommandLine(const std::vector<std::string>& args,
                         const std::vector<OptionRule>& options) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // A lone "-" names standard input or output in many tools; here it is just a name.
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            positional_.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::string_view name = arg;
        std::optional<std::string> inlineValue;
        if (const std::size_t eq = arg.find('=');
            arg.starts_with("--") && eq != std::string::npos) {
            name = std::string_view(arg).substr(0, eq);
            inlineValue = arg.substr(eq + 1);
        }
        const OptionRule* rule = findOption(options, name);
        if (rule == nullptr) {
            throw UsageError(usageText(texts::kUnknownOption, name));
        }
        const std::string key(rule->longName);
        if (values_.count(key) > 0) {
            throw UsageError(usageText(texts::kOptionRepeated, rule->longName));
        }
        std::string value;
        if (rule->takesValue) {
            if (inlineValue) {
                value = *inlineValue;
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                throw UsageError(usageText(texts::kOptionNeedsValue, rule->longName));
            }
        } else if (inlineValue) {
            throw UsageError(usageText(texts::kOptionTakesNoValue, rule->longName));
        }
        values_.emplace(key, std::move(value));
    }
}

std::optional<std::string> CommandLine::value(std::string_view longName) const {
    const auto it = values_.find(longName);
    if (it == values_.end()) {
        return std::nullopt;
    }
    return it->second;
}

int parseIndex(std::string_view option, const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < 1 || value > 255) {
        throw UsageError(std::string(option) + " " + text + ": " + texts::kBadNumber);
    }
    return value;
}

} // namespace tessary::tool
