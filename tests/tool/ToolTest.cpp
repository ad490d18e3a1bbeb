// tessary-tool run as a user runs it: a process, its output and its exit status.
#include "content/DeedDocument.h"
#include "data/CataloguePersistence.h"
#include "data/DeedFile.h"
#include "platform/Cp932.h"
#include "platform/ProfileFile.h"
#include "resources/SettingsKeys.h"
#include "support/DeedFiles.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace tessary {
namespace {

using namespace std::string_literals;
using test::ProcessResult;
using test::TempDir;

struct DeedFields {
    int group, category, type, material, quality, quantity;
    std::uint32_t serial = 0;
    std::uint16_t combined = 0;
};

// A deed file image written by the core's writer, which the deed file tests check byte for byte.
std::string deedFile(const std::vector<DeedFields>& deeds) {
    std::vector<Deed> built;
    for (const DeedFields& s : deeds) {
        Deed deed = test::makeDeed(s.group, s.category, s.type, s.material, s.quality, s.quantity,
                                   s.serial);
        deed.combined = s.combined;
        built.push_back(deed);
    }
    return test::deedFileOf(built);
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        out.push_back(line);
    }
    return out;
}

std::vector<std::string> fields(const std::string& csvLine) {
    std::vector<std::string> out;
    std::istringstream in(csvLine);
    for (std::string field; std::getline(in, field, ',');) {
        out.push_back(field);
    }
    return out;
}

class Tool : public ::testing::Test {
protected:
    ProcessResult run(const std::vector<std::string>& args) {
        return test::runProcess(TESSARY_TOOL_PATH, args, dir.path());
    }
    TempDir dir;
};

// The worked example of the deed file: one small leather cap deed numbered 12.
const std::string kWorkedExample =
    "\x01\x00\x00\x00\x01\x02\x04\x04\x00\x00\x03\x02\x05\x00\x0C\x00\x00\x00\x00"s;

TEST_F(Tool, CheckReadsEveryCommentFormAndSummarisesTheFile) {
    // Four deeds: the worked example; a weapons deed whose comment uses the 16-bit prefix; a
    // weapons deed with the wide UTF-16 comment form; a deed of quality 3, which the catalogue
    // lacks. Two stray bytes follow the last deed.
    const std::string bytes = "\x04\x00\x00\x00"s + kWorkedExample.substr(4) +
                              "\x01\x02\x01\x01\x00\x00\x01\x01\x00\x00\x28\x00\x00\x00"
                              "\xFF\x03\x00xyz"s +
                              "\x01\x03\x01\x01\x00\x00\x02\x01\x00\x00\x07\x00\x00\x00"
                              "\xFF\xFE\xFF\x02\x42\x30\x44\x30"s +
                              "\x01\x02\x01\x02\x00\x00\x01\x03\x00\x00\x05\x00\x00\x00\x00"s +
                              "\xAB\xCD"s;
    dir.write("mixed.dat", bytes);
    dir.write("empty.dat", "");

    const ProcessResult r = run({"check", "mixed.dat", "empty.dat"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "mixed.dat\n"
                     "  deeds: 4\n"
                     "  highest registration number: 40\n"
                     "  group 1 鍛冶（武器）: 2\n"
                     "  group 2 鍛冶（防具）: 1\n"
                     "  group 3 裁縫（布）: 0\n"
                     "  group 4 裁縫（革）: 1\n"
                     "  bytes after the last deed (ignored when read): 2\n"
                     "  deeds with items the catalogue does not know: 1\n"
                     "    deed 4 (registration number 5): group 2 category 1 type 2 material 1 "
                     "quality 3 quantity 1; unknown: quality\n"
                     "\n"
                     "empty.dat\n"
                     "  deeds: 0\n"
                     "  highest registration number: 0\n"
                     "  group 1 鍛冶（武器）: 0\n"
                     "  group 2 鍛冶（防具）: 0\n"
                     "  group 3 裁縫（布）: 0\n"
                     "  group 4 裁縫（革）: 0\n");

    // The same summary in CP932 carries the group names as the catalogue holds them.
    const ProcessResult cp932 = run({"check", "--cp932", "empty.dat"});
    EXPECT_NE(cp932.out.find(utf8ToCp932("  group 3 裁縫（布）: 0\n")), std::string::npos);
}

TEST_F(Tool, CheckRefusesTruncatedAndHostileFilesAndStillChecksTheRest) {
    dir.write("cut.dat", kWorkedExample.substr(0, kWorkedExample.size() - 1));
    dir.write("short.dat", "\x01\x00\x00"s);
    // 2^31 - 1 deeds announced; the first one claims a 4 GiB comment.
    dir.write("hostile.dat",
              "\xFF\xFF\xFF\x7F"s + kWorkedExample.substr(4, 14) + "\xFF\xFF\xFF\xFF\xFF\xFF\xFF"s);
    dir.write("good.dat", kWorkedExample);

    const ProcessResult r =
        run({"check", "cut.dat", "good.dat", "short.dat", "hostile.dat", "missing.dat"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "tessary-tool: cut.dat: the file ends inside deed 1 of the 1 it announces\n"
                     "tessary-tool: short.dat: the file ends inside the deed count\n"
                     "tessary-tool: hostile.dat: the file ends inside deed 1 of the 2147483647 "
                     "it announces\n"
                     "tessary-tool: missing.dat: no such file\n");
    EXPECT_EQ(lines(r.out).front(), "good.dat");
    EXPECT_NE(r.out.find("  highest registration number: 12\n"), std::string::npos);
    EXPECT_EQ(r.out.find("cut.dat"), std::string::npos);

    const ProcessResult folder = run({"check", "."});
    EXPECT_EQ(folder.status, 1);
    EXPECT_EQ(folder.err, "tessary-tool: .: cannot be opened (a folder, or no permission)\n");

    // A folder named with a trailing separator stands for its default deed file in the program,
    // which creates it when missing; the tool refuses it and creates nothing.
    std::filesystem::create_directory(dir.file("sub"));
    const ProcessResult named = run({"check", "sub/"});
    EXPECT_EQ(named.status, 1);
    EXPECT_EQ(run({"merge", "sub/", "good.dat", "-o", "out.dat"}).status, 1);
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("sub")));
    EXPECT_FALSE(dir.exists("out.dat"));
}

TEST_F(Tool, StatusCsvHoldsTheOrderStatusRowsAndTheirCounts) {
    const std::vector<DeedFields> deeds = {
        {2, 3, 4, 4, 2, 3},
        {2, 3, 4, 4, 2, 3},                         // the same type again
        {2, 3, 1, 4, 2, 3, 0, 0x8000 | 0x0400 | 1}, // large: types 2 and 7 combined
        {2, 3, 2, 5, 2, 3},                         // another material
        {4, 1, 3, 2, 2, 1},                         // leather shoes: also the cloth rows
        {1, 1, 2, 2, 1, 1},                         // a material the weapons group lacks
    };
    dir.write("deeds.dat", deedFile(deeds));
    const ProcessResult r = run({"status", "deeds.dat", "--format", "csv"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> out = lines(r.out);
    ASSERT_EQ(out.size(), 367u);
    EXPECT_EQ(out[0], "group,category,material,quality,quantity,group_name,category_name,"
                      "material_name,quality_name,quantity_name,remaining,required,filled,state,"
                      "large,small1,small2,small3,small4,small5,small6");

    // Every row as the order-status counting gives it, in the list's order.
    DeedDocument doc;
    doc.catalogue().buildDefault();
    ASSERT_TRUE(doc.readDocument(dir.read("deeds.dat")).ok());
    ASSERT_EQ(doc.buildConditionRows(), 366);
    for (std::size_t i = 0; i < 366; ++i) {
        const ConditionRow& row = doc.conditionRows()[i];
        const std::vector<std::string> f = fields(out[i + 1]);
        ASSERT_EQ(f.size(), 21u) << out[i + 1];
        EXPECT_EQ(f[0] + f[1] + f[2] + f[3] + f[4],
                  std::to_string(row.group()) + std::to_string(row.category()) +
                      std::to_string(row.material()) + std::to_string(row.quality()) +
                      std::to_string(row.quantity()));
        EXPECT_EQ(f[10], std::to_string(row.remaining())) << out[i + 1];
        EXPECT_EQ(f[12], std::to_string(row.filled)) << out[i + 1];
        for (std::size_t t = 0; t < 7; ++t) {
            EXPECT_EQ(f[14 + t], std::to_string(row.typeCounts[t])) << out[i + 1];
        }
    }

    // The rows the order-status tests pin down, as the tool prints them.
    const auto rowOf = [&out](const std::string& prefix) {
        for (const std::string& line : out) {
            if (line.starts_with(prefix)) {
                return line;
            }
        }
        return std::string();
    };
    EXPECT_EQ(rowOf("2,3,4,2,3,"), "2,3,4,2,3,鍛冶（防具）,Platemail,copper ingots,exceptional,20,"
                                   "3,7,4,started,1,1,0,2,0,0,1");
    EXPECT_TRUE(rowOf("3,6,1,2,1,").ends_with(",0,0,0,0,1,0,0"));
    EXPECT_TRUE(rowOf("1,1,1,1,1,").ends_with(",3,3,0,empty,0,0,0,0,0,0,0"));

    // A category node lists its rows only.
    const ProcessResult node =
        run({"status", "deeds.dat", "--group", "3", "--category", "6", "--format=csv"});
    const std::vector<std::string> nodeRows = lines(node.out);
    ASSERT_EQ(nodeRows.size(), 7u);
    for (std::size_t i = 1; i < nodeRows.size(); ++i) {
        EXPECT_TRUE(nodeRows[i].starts_with("3,6,1,")) << nodeRows[i];
    }
}

TEST_F(Tool, StatusRefusesACatalogueTooLargeToWalk) {
    dir.write("deeds.dat", deedFile({{1, 1, 2, 1, 2, 1}}));
    dir.write("huge.ini", "[ConstantValues]\r\nCount=4\r\n"
                          "Value0001=120120000000000000000000c\r\n"
                          "Value0002=120121125000000000000000m\r\n"
                          "Value0003=121125000000000000000000q\r\n"
                          "Value0004=122125000000000000000000n\r\n");
    const ProcessResult r = run({"status", "deeds.dat", "--settings", "huge.ini"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("huge.ini: the catalogue in [ConstantValues] gives far more"),
              std::string::npos)
        << r.err;
}

TEST_F(Tool, StatusNamesComeFromTheSettingsCatalogueWhichIsNeverWritten) {
    dir.write("deeds.dat", deedFile({{1, 1, 2, 1, 2, 1}}));
    // A settings file holding a catalogue whose second quality is renamed.
    Catalogue renamed;
    renamed.buildDefault();
    for (CatalogueEntry& entry : renamed.entries()) {
        if (entry.key == makeKey(kQualityBlock, 2, 0)) {
            entry.name = utf8ToCp932("極上");
        }
    }
    ProfileFile settings(dir.file("Tessary.ini"));
    ASSERT_TRUE(saveCatalogue(settings, renamed));
    const std::string stored = dir.read("Tessary.ini");

    const ProcessResult r = run({"status", "deeds.dat", "--settings", "Tessary.ini", "--group", "1",
                                 "--category", "1", "--format", "json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"quality\": \"極上\""), std::string::npos);
    EXPECT_NE(r.out.find("{\"type\": 2, \"name\": \"bardiche\", \"count\": 1}"), std::string::npos);
    EXPECT_EQ(lines(r.out).size(), 6u + 2u); // six rows between the brackets
    EXPECT_EQ(dir.read("Tessary.ini"), stored);

    // A settings file without a catalogue gives the built-in names and stays as it was.
    dir.write("plain.ini", "[Settings]\r\nDeedViewSortItem=1\r\n");
    const ProcessResult plain =
        run({"status", "deeds.dat", "--settings", "plain.ini", "--group", "1", "--category", "1"});
    EXPECT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(lines(plain.out)[3], "鍛冶（武器） / bardiche / iron ingots / exceptional / 10 | "
                                   "2 / 3 | started | bardiche 大口 0 | bardiche 1 | halberd 0");
    EXPECT_EQ(dir.read("plain.ini"), "[Settings]\r\nDeedViewSortItem=1\r\n");

    // An unordered catalogue is refused: Tessary would run with none.
    ProfileFile broken(dir.file("broken.ini"));
    ASSERT_TRUE(saveCatalogue(broken, renamed));
    ASSERT_TRUE(settings::write(broken, settings::kCatalogueValue, 2, "000000000000000000000000x"));
    const ProcessResult refused = run({"status", "deeds.dat", "--settings", "broken.ini"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.starts_with("tessary-tool: broken.ini: the catalogue in "
                                        "[ConstantValues] is malformed or out of order"))
        << refused.err;
    EXPECT_EQ(refused.out, "");
}

TEST_F(Tool, MergeRenumbersTheAppendedDeedsAsAppendLoadDoes) {
    dir.write("a.dat",
              deedFile({{1, 1, 2, 1, 1, 1, 5}, {1, 1, 3, 1, 1, 1, 2}, {2, 1, 1, 3, 2, 2, 9}}));
    dir.write("b.dat", deedFile({{3, 1, 2, 1, 1, 1, 1}, {3, 2, 2, 1, 1, 1, 2}}));
    dir.write("c.dat", deedFile({{4, 1, 2, 4, 2, 3, 3}}));

    // The first file again, by another name, appends nothing.
    const ProcessResult r = run({"merge", "a.dat", "b.dat", "./a.dat", "c.dat", "-o", "out.dat"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "a.dat: deeds read: 3\n"
                     "b.dat: deeds appended: 2 (registration numbers 10-11)\n"
                     "./a.dat: names the same file as the first; nothing appended\n"
                     "c.dat: deeds appended: 1 (registration numbers 12-12)\n"
                     "out.dat: deeds written: 6\n");
    const std::string merged = deedFile({{1, 1, 2, 1, 1, 1, 5},
                                         {1, 1, 3, 1, 1, 1, 2},
                                         {2, 1, 1, 3, 2, 2, 9},
                                         {3, 1, 2, 1, 1, 1, 10},
                                         {3, 2, 2, 1, 1, 1, 11},
                                         {4, 1, 2, 4, 2, 3, 12}});
    EXPECT_EQ(dir.read("out.dat"), merged);

    // A truncated file refuses the whole merge and leaves the output as it was.
    dir.write("cut.dat", kWorkedExample.substr(0, 10));
    const ProcessResult cut = run({"merge", "a.dat", "b.dat", "cut.dat", "-o", "out.dat"});
    EXPECT_EQ(cut.status, 1);
    EXPECT_EQ(cut.err,
              "tessary-tool: cut.dat: the file ends inside deed 1 of the 1 it announces\n");
    EXPECT_EQ(cut.out, "a.dat: deeds read: 3\n"
                       "b.dat: deeds appended: 2 (registration numbers 10-11)\n");
    EXPECT_EQ(dir.read("out.dat"), merged);
    EXPECT_EQ(dir.names(),
              (std::set<std::string>{"a.dat", "b.dat", "c.dat", "cut.dat", "out.dat"}));

    // Merging into the first file replaces it.
    ASSERT_EQ(run({"merge", "b.dat", "c.dat", "--output", "b.dat"}).status, 0);
    EXPECT_EQ(dir.read("b.dat"),
              deedFile({{3, 1, 2, 1, 1, 1, 1}, {3, 2, 2, 1, 1, 1, 2}, {4, 1, 2, 4, 2, 3, 3}}));

    const ProcessResult folder = run({"merge", "a.dat", "-o", "."});
    EXPECT_EQ(folder.status, 1);
    EXPECT_TRUE(folder.err.starts_with("tessary-tool: .: cannot be written")) << folder.err;
}

TEST_F(Tool, WrongUsageEndsWithStatusTwoAndHelpWithZero) {
    dir.write("a.dat", kWorkedExample);
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"frobnicate"},
        {"check"},
        {"check", "--colour", "a.dat"},
        {"status", "a.dat", "b.dat"},
        {"status", "a.dat", "--group"},
        {"status", "a.dat", "--group", "1", "--group", "2"},
        {"status", "a.dat", "--category", "1"},
        {"status", "a.dat", "--group", "0"},
        {"status", "a.dat", "--group", "5"},
        {"status", "a.dat", "--group", "1", "--category", "9"},
        {"status", "a.dat", "--group", "x1"},
        {"status", "a.dat", "--format", "xml"},
        {"status", "a.dat", "--format", "json", "--cp932"},
        {"export", "a.dat"},
        {"export", "a.dat", "--group", "1", "--items", "3,0"},
        {"export", "a.dat", "--group", "1", "--items", "0,3,3"},
        {"export", "a.dat", "--group", "1", "--items", "0,10"},
        {"export", "a.dat", "--group", "1", "--items", ""},
        {"export", "a.dat", "--group", "1", "--delimiter", "\xF0\x9F\x98\x80"},
        {"export", "a.dat", "--group", "1", "--delimiter", "123456789012345678901"},
        {"export", "a.dat", "--group", "1", "--descending"},
        {"export", "a.dat", "--group", "1", "--sort", "99", "--descending"},
        {"export", "a.dat", "--group", "1", "--sort", "7"},
        {"export", "a.dat", "--group", "1", "--utf8", "--cp932"},
        {"merge", "a.dat"},
        {"merge", "-o", "out.dat"},
    };
    for (const auto& args : wrong) {
        const ProcessResult r = run(args);
        std::string joined;
        for (const std::string& arg : args) {
            joined += arg + " ";
        }
        EXPECT_EQ(r.status, 2) << joined;
        EXPECT_TRUE(r.err.starts_with("tessary-tool: ")) << joined << r.err;
        EXPECT_EQ(r.out, "") << joined;
    }
    EXPECT_FALSE(dir.exists("out.dat"));

    for (const std::string command : {"check", "status", "export", "merge"}) {
        const ProcessResult r = run({command, "--help"});
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(r.out.starts_with("Usage: tessary-tool " + command)) << r.out;
    }
    EXPECT_TRUE(run({"--help"}).out.starts_with("Usage: tessary-tool COMMAND"));
}

TEST_F(Tool, ExportWritesItsFileAtomicallyAndRefusesWhatItCannotDo) {
    dir.write("deeds.dat", kWorkedExample);
    const ProcessResult shown = run({"export", "deeds.dat", "--group", "4", "--utf8"});
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(shown.out, "1. leather cap / normal leather / exceptional / 20\r\n");
    const ProcessResult written =
        run({"export", "deeds.dat", "--group", "4", "--utf8", "-o", "deeds.txt"});
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.out, "");
    EXPECT_EQ(dir.read("deeds.txt"), shown.out);

    // A folder as the output is refused and nothing else is touched.
    std::filesystem::create_directory(dir.file("sub"));
    const ProcessResult folder = run({"export", "deeds.dat", "--group", "4", "-o", "sub"});
    EXPECT_EQ(folder.status, 1);
    EXPECT_TRUE(folder.err.starts_with("tessary-tool: sub: cannot be written")) << folder.err;
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("sub")));

    // A settings catalogue whose node spans hundreds of millions of combinations: the missing
    // deeds are refused instead of exhausting memory.
    dir.write("huge.ini", "[ConstantValues]\r\nCount=6\r\n"
                          "Value0001=001000000000000000000000g\r\n"
                          "Value0002=001120000000000000000000c\r\n"
                          "Value0003=001120125000000000000000t\r\n"
                          "Value0004=001121125000000000000000m\r\n"
                          "Value0005=121125000000000000000000q\r\n"
                          "Value0006=122125000000000000000000n\r\n");
    const ProcessResult huge = run({"export", "deeds.dat", "--settings", "huge.ini", "--group", "1",
                                    "--category", "120", "--missing"});
    EXPECT_EQ(huge.status, 1);
    EXPECT_TRUE(huge.err.starts_with("tessary-tool: huge.ini: the catalogue gives more than"))
        << huge.err;
    EXPECT_EQ(huge.out, "");
}

} // namespace
} // namespace tessary
