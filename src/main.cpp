// Start-up of Tessary. Until the main window exists this opens the deed file of the working
// folder exactly as the program will ("Tessary.dat", created when missing, with the settings in
// "Tessary.ini"), reports what it holds, and ends.
#include "data/CataloguePersistence.h"
#include "data/DeedDocument.h"
#include "platform/Cp932.h"
#include "platform/ProfileFile.h"
#include "platform/SingleInstance.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("Tessary 2.0");
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::puts("Usage: tessary\nKeeps the bulk order deeds of \"Tessary.dat\" in the "
                      "working folder; settings live in \"Tessary.ini\" beside it.");
            return 0;
        }
    }
    tessary::SingleInstanceLock marker;
    if (!marker.acquire()) {
        std::fputs("Tessary is already running.\n", stderr);
        return 1;
    }
    char cwd[4096];
    if (::getcwd(cwd, sizeof cwd) == nullptr) {
        std::perror("getcwd");
        return 1;
    }
    const std::string folder = std::string(cwd) + "/";
    tessary::ProfileFile settings(folder + "Tessary.ini");
    tessary::DeedDocument document;
    tessary::loadCatalogue(settings, document.catalogue());
    const tessary::DocFileResult opened = document.openDocument(folder);
    if (!opened.ok()) {
        std::fprintf(stderr, "Cannot open %s%s\n", folder.c_str(), tessary::kDefaultDeedFileName);
        return 1;
    }
    std::printf("%s%s: %zu deeds, %zu catalogue entries.\n", folder.c_str(),
                tessary::kDefaultDeedFileName, document.deeds().size(),
                document.catalogue().size());
    std::puts("The main window is not built yet; this build only opens and checks the file.");
    return 0;
}
