#include "platform/WorkingFolder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace tessary {
namespace {

namespace fs = std::filesystem;

StartOptions parse(std::vector<std::string> arguments) {
    return parseStartOptions(arguments);
}

TEST(StartOptions, NameTheFolderToRunIn) {
    // No option: the folder the program was started in.
    StartOptions plain = parse({});
    EXPECT_EQ(plain.action, StartOptions::Action::Run);
    EXPECT_TRUE(plain.folder.empty());
    EXPECT_FALSE(plain.dataFolder);

    EXPECT_EQ(parse({"--folder", "/srv/deeds"}).folder, "/srv/deeds");
    EXPECT_EQ(parse({"--folder=my deeds"}).folder, "my deeds");
    StartOptions desktop = parse({"--data-folder"});
    EXPECT_EQ(desktop.action, StartOptions::Action::Run);
    EXPECT_TRUE(desktop.dataFolder);
    EXPECT_TRUE(desktop.folder.empty());

    // The toolkit's own options pass untouched, and the folder after them is still found.
    StartOptions mixed = parse({"-platform", "offscreen", "--folder", "x", "-style", "fusion"});
    EXPECT_EQ(mixed.action, StartOptions::Action::Run);
    EXPECT_EQ(mixed.folder, "x");

    EXPECT_EQ(parse({"--folder", "x", "--help"}).action, StartOptions::Action::Help);
    EXPECT_EQ(parse({"--version"}).action, StartOptions::Action::Version);
}

TEST(StartOptions, RefuseAMissingOrSecondFolderInsteadOfGuessing) {
    // "--folder" as the last word would otherwise start in the current folder unnoticed.
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"--folder"},
             {"--folder="},
             {"--folder", ""},
             {"--folder", "a", "--data-folder"},
             {"--data-folder", "--folder=a"},
             {"--folder", "a", "--folder", "b"},
         }) {
        const StartOptions options = parse(arguments);
        EXPECT_EQ(options.action, StartOptions::Action::Invalid) << arguments.front();
        EXPECT_FALSE(options.error.empty());
    }
}

TEST(UserDataFolder, FollowsXdgDataHomeElseTheHomeFolder) {
    EXPECT_EQ(userDataFolder("/data/me", "/home/me"), "/data/me/tessary");
    // A relative or empty XDG_DATA_HOME is invalid by the base-directory rules and ignored.
    EXPECT_EQ(userDataFolder("relative/data", "/home/me"), "/home/me/.local/share/tessary");
    EXPECT_EQ(userDataFolder("", "/home/me/"), "/home/me/.local/share/tessary");
    EXPECT_EQ(userDataFolder(nullptr, "/home/me"), "/home/me/.local/share/tessary");
    EXPECT_EQ(userDataFolder(nullptr, "/"), "/.local/share/tessary");
    // Without HOME the user database still knows a home folder: never a relative path.
    const std::string fallback = userDataFolder(nullptr, nullptr);
    if (!fallback.empty()) {
        EXPECT_EQ(fallback.front(), '/');
        EXPECT_TRUE(fallback.ends_with("/.local/share/tessary"));
    }
}

// Puts the working folder back after a test moved it.
class WorkingFolderTest : public ::testing::Test {
protected:
    void TearDown() override { fs::current_path(start_); }
    fs::path start_ = fs::current_path();
    test::TempDir temp_;
};

TEST_F(WorkingFolderTest, MakesTheMissingFoldersPrivateAndMovesIntoThem) {
    const std::string folder = temp_.path() + "/share/deep/tessary";
    ASSERT_EQ(enterWorkingFolder(folder), 0);
    EXPECT_EQ(fs::current_path(), fs::path(folder));
    for (const std::string& made : {temp_.path() + "/share", folder}) {
        struct stat st {};
        ASSERT_EQ(stat(made.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u) << made;
    }

    // An existing folder is used as it is; its files stay.
    temp_.write("share/deep/tessary/Tessary.dat", "deeds");
    fs::current_path(start_);
    ASSERT_EQ(enterWorkingFolder(folder + "/"), 0);
    EXPECT_EQ(fs::current_path(), fs::path(folder));
    EXPECT_EQ(temp_.read("share/deep/tessary/Tessary.dat"), "deeds");
}

TEST_F(WorkingFolderTest, AFileInTheWayIsReportedAndNothingMoves) {
    temp_.write("tessary", "not a folder");
    temp_.write("local", "not a folder");
    EXPECT_EQ(enterWorkingFolder(temp_.path() + "/tessary"), ENOTDIR);
    EXPECT_EQ(enterWorkingFolder(temp_.path() + "/local/share/tessary"), ENOTDIR);
    EXPECT_EQ(fs::current_path(), start_);
    EXPECT_EQ(temp_.read("tessary"), "not a folder");
}

} // namespace
} // namespace tessary
