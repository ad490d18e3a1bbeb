// The folder the program runs in, which holds "Tessary.dat" and "Tessary.ini". Started from a
// shell, that is the folder it was started in. The command line can name another folder, or ask
// for the user's own data folder, which is how the desktop menu starts the program (the desktop
// would otherwise start it in the home folder and leave its files loose there).
#pragma once

#include <string>
#include <vector>

namespace tessary {

struct StartOptions {
    enum class Action { Run, Help, Version, Invalid };
    Action action = Action::Run;
    // "--folder DIR" or "--folder=DIR": run in DIR. Empty: no folder named.
    std::string folder;
    // "--data-folder": run in userDataFolder().
    bool dataFolder = false;
    // What was wrong with the command line, for Action::Invalid.
    std::string error;
};

// Reads the program's own options from the arguments after the program name. Arguments it does
// not know are left alone: they are the toolkit's (for example "-platform offscreen").
StartOptions parseStartOptions(const std::vector<std::string>& arguments);

// The user's folder for the program's files: "$XDG_DATA_HOME/tessary" when XDG_DATA_HOME is an
// absolute path, else "$HOME/.local/share/tessary" (with the home folder of the user database
// when HOME is unset or not absolute). Empty when no home folder is known at all.
std::string userDataFolder(const char* xdgDataHome, const char* home);

// Makes `folder` the working folder, creating it and any missing folder above it (readable by
// this user only) first. Returns 0, or the errno of the step that failed.
int enterWorkingFolder(const std::string& folder);

} // namespace tessary
