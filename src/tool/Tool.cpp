#include "tool/Tool.h"

#include "tool/CommandLine.h"
#include "tool/Commands.h"
#include "tool/ToolTexts.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace tessary::tool {

namespace {

struct CommandEntry {
    std::string_view name;
    int (*run)(const std::vector<std::string>&, ToolStreams&);
    const char* help;
};

const CommandEntry kCommands[] = {
    {"check", runCheck, texts::kCheckHelp},
    {"status", runStatus, texts::kStatusHelp},
    {"export", runExport, texts::kExportHelp},
    {"merge", runMerge, texts::kMergeHelp},
};

const CommandEntry* findCommand(std::string_view name) {
    for (const CommandEntry& command : kCommands) {
        if (command.name == name) {
            return &command;
        }
    }
    return nullptr;
}

void reportUsage(std::ostream& err, const std::string& what, std::string_view command) {
    err << texts::kProgram << ": " << what << '\n';
    char hint[128];
    std::snprintf(hint, sizeof hint, texts::kTryHelp, std::string(command).c_str());
    err << hint << '\n';
}

} // namespace

void reportRefused(std::ostream& err, const std::string& file, const std::string& what) {
    err << texts::kProgram << ": " << file << ": " << what << '\n';
}

int runTool(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.emplace_back(argv[i]);
    }
    // --help and --cp932 belong to every command and may stand anywhere before "--".
    bool help = false;
    bool cp932 = false;
    std::vector<std::string> rest;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (!optionsEnded && arg == "--help") {
            help = true;
        } else if (!optionsEnded && arg == "--cp932") {
            cp932 = true;
        } else {
            optionsEnded = optionsEnded || arg == "--";
            rest.push_back(arg);
        }
    }
    if (rest.empty() || rest.front() == "--") {
        if (help) {
            out << texts::kMainHelp;
            return 0;
        }
        err << texts::kProgram << ": " << texts::kNoCommand << "\n" << texts::kMainHelp;
        return 2;
    }
    const CommandEntry* command = findCommand(rest.front());
    if (command == nullptr) {
        err << texts::kProgram << ": " << texts::kUnknownCommand << ": " << rest.front() << "\n"
            << texts::kMainHelp;
        return 2;
    }
    if (help) {
        out << command->help;
        return 0;
    }
    rest.erase(rest.begin());
    TextOut text(out, cp932);
    ToolStreams io{text, err};
    int status = 0;
    try {
        status = command->run(rest, io);
    } catch (const UsageError& usage) {
        out.flush();
        reportUsage(err, usage.what(), command->name);
        return 2;
    } catch (const RefusedInput& refused) {
        out.flush();
        reportRefused(err, refused.file(), refused.what());
        return 1;
    } catch (const std::exception& failure) {
        out.flush();
        err << texts::kProgram << ": " << failure.what() << '\n';
        return 1;
    }
    // Output that never arrived (a full disk, a closed pipe) is not a success.
    out.flush();
    if (!out) {
        err << texts::kProgram << ": " << texts::kOutputFailed << '\n';
        return 1;
    }
    return status;
}

} // namespace tessary::tool
