// tessary-tool: checks, summarises, merges and exports deed files from the command line.
#include "tool/Tool.h"

#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    return tessary::tool::runTool(argc, argv, std::cout, std::cerr);
}
