#include "platform/WorkingFolder.h"

#include <cerrno>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessary {

namespace {

constexpr const char* kFolderOption = "--folder";
constexpr const char* kDataFolderOption = "--data-folder";

StartOptions invalid(std::string error) {
    StartOptions options;
    options.action = StartOptions::Action::Invalid;
    options.error = std::move(error);
    return options;
}

bool absolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

} // namespace

StartOptions parseStartOptions(const std::vector<std::string>& arguments) {
    StartOptions options;
    bool folderNamed = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help") {
            options.action = StartOptions::Action::Help;
            return options;
        }
        if (argument == "--version") {
            options.action = StartOptions::Action::Version;
            return options;
        }
        std::string folder;
        if (argument == kFolderOption) {
            if (i + 1 == arguments.size()) {
                return invalid("--folder needs the name of a folder");
            }
            folder = arguments[++i];
        } else if (argument.starts_with(std::string(kFolderOption) + "=")) {
            folder = argument.substr(std::string(kFolderOption).size() + 1);
        } else if (argument == kDataFolderOption) {
            if (folderNamed) {
                return invalid("--data-folder and --folder name two folders; give one");
            }
            options.dataFolder = true;
            folderNamed = true;
            continue;
        } else {
            continue;
        }
        if (folder.empty()) {
            return invalid("--folder needs the name of a folder");
        }
        if (folderNamed) {
            return invalid("--data-folder and --folder name two folders; give one");
        }
        options.folder = std::move(folder);
        folderNamed = true;
    }
    return options;
}

std::string userDataFolder(const char* xdgDataHome, const char* home) {
    if (absolute(xdgDataHome)) {
        return std::string(xdgDataHome) + "/tessary";
    }
    std::string base;
    if (absolute(home)) {
        base = home;
    } else if (const passwd* user = getpwuid(getuid()); user != nullptr && absolute(user->pw_dir)) {
        base = user->pw_dir;
    } else {
        return {};
    }
    while (base.size() > 1 && base.back() == '/') {
        base.pop_back();
    }
    if (base == "/") {
        base.clear();
    }
    return base + "/.local/share/tessary";
}

int enterWorkingFolder(const std::string& folder) {
    if (folder.empty()) {
        return ENOENT;
    }
    // Each missing folder on the way is made in turn; one that exists already is passed by.
    for (std::size_t end = folder.find('/', 1);; end = folder.find('/', end + 1)) {
        const std::string step = folder.substr(0, end);
        if (!step.empty() && step.back() != '/' && mkdir(step.c_str(), 0700) != 0 &&
            errno != EEXIST) {
            return errno;
        }
        if (end == std::string::npos) {
            break;
        }
    }
    if (chdir(folder.c_str()) != 0) {
        return errno;
    }
    return 0;
}

} // namespace tessary
