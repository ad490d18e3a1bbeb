// tessary-tool: the deed file on the command line.
#pragma once

#include <ostream>

namespace tessary::tool {

// Runs the tool on `argv` and returns its exit status: 0 success, 1 a refused input (its file
// and reason on `err`), 2 wrong usage.
int runTool(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

} // namespace tessary::tool
