// The tool's commands. Each takes the words after its name and returns the exit status; wrong
// usage throws UsageError, a refused input RefusedInput (the caller reports both).
#pragma once

#include "tool/ToolOutput.h"

#include <ostream>
#include <string>
#include <vector>

namespace tessary::tool {

// What every command writes to: standard output (text, in the chosen encoding) and standard
// error (the one-line reasons of refused files).
struct ToolStreams {
    TextOut& out;
    std::ostream& err;
};

int runCheck(const std::vector<std::string>& args, ToolStreams& io);
int runStatus(const std::vector<std::string>& args, ToolStreams& io);
int runExport(const std::vector<std::string>& args, ToolStreams& io);
int runMerge(const std::vector<std::string>& args, ToolStreams& io);

// Reports a refused file on standard error: "tessary-tool: FILE: what is wrong".
void reportRefused(std::ostream& err, const std::string& file, const std::string& what);

} // namespace tessary::tool
