// Every text tessary-tool shows: its help, the names of its output fields and its messages.
// The tool talks to scripts and to the people who write them, so its own words are English (the
// export's item names are the dialog's labels); the names it prints come from the catalogue and
// are converted like every other text.
#pragma once

namespace tessary::tool::texts {

inline constexpr const char* kProgram = "tessary-tool";

inline constexpr const char* kMainHelp =
    "Usage: tessary-tool COMMAND [OPTIONS] ARGUMENTS\n"
    "\n"
    "Checks, summarises, merges and exports Tessary deed files (.dat) without the window.\n"
    "\n"
    "Commands:\n"
    "  check FILE...          read deed files as Tessary reads them and summarise them\n"
    "  status FILE            the order-status rows: what each large order still lacks\n"
    "  export FILE --group G  the lines the export dialog writes\n"
    "  merge A B... -o OUT    append B... to A as Tessary's append-load does\n"
    "\n"
    "Options for every command:\n"
    "  --cp932                write text in CP932 (Shift-JIS) instead of UTF-8\n"
    "  --help                 show the help of the command\n"
    "\n"
    "Exit status: 0 success, 1 a file was refused (the reason is on standard error),\n"
    "2 wrong usage.\n";

inline constexpr const char* kCheckHelp =
    "Usage: tessary-tool check [--settings INI] [--cp932] FILE...\n"
    "\n"
    "Reads each deed file exactly as Tessary opens it and prints the number of deeds, the\n"
    "highest registration number, the deeds of each group, bytes after the last deed (which\n"
    "Tessary ignores) and every deed whose group, category, type, material, quality or quantity\n"
    "the catalogue does not know. A truncated or damaged file is refused; the other files are\n"
    "still checked.\n"
    "\n"
    "  --settings INI   use the catalogue of this settings file (Tessary.ini) instead of the\n"
    "                   built-in one; the file is only read\n";

inline constexpr const char* kStatusHelp =
    "Usage: tessary-tool status FILE [--settings INI] [--group G] [--category C]\n"
    "                           [--format text|csv|json] [--cp932]\n"
    "\n"
    "Prints the order-status rows of a deed file: one row per large order the catalogue\n"
    "allows (366 with the built-in catalogue), in the order-status list's order, with the\n"
    "remaining and required counts, the row's state (complete, one-short, started, empty) and\n"
    "the count of every slot (the large deed and the small deeds of the set).\n"
    "\n"
    "  --settings INI   use the catalogue (and its names) of this settings file\n"
    "  --group G        only group G (a number, as in the category tree: 1 to 4 built in)\n"
    "  --category C     only category C of that group (needs --group)\n"
    "  --format F       text (default), csv (with a header line) or json (UTF-8 only)\n";

inline constexpr const char* kMergeHelp =
    "Usage: tessary-tool merge A B... -o OUT [--cp932]\n"
    "\n"
    "Reads A as Tessary opens it, then appends B and every further file as Tessary's\n"
    "append-load does: the appended deeds get new registration numbers after the highest one\n"
    "so far, in file order. A file that names the same file as A appends nothing, as in\n"
    "Tessary. OUT is written only when every file was read whole, and is replaced atomically.\n"
    "\n"
    "  -o, --output OUT the merged deed file to write (may be one of the inputs)\n";

inline constexpr const char* kExportHelp =
    "Usage: tessary-tool export FILE --group G [--category C] [--missing] [--items 0,3,4,5,6]\n"
    "                           [--delimiter \" / \"] [--no-period] [--fraction] [--sort ITEM]\n"
    "                           [--descending] [--utf8] [--settings INI] [-o OUT]\n"
    "\n"
    "Writes exactly the lines Tessary's export dialog writes for the same choices, built by the\n"
    "same code: the deeds the deed list shows for the tree node G (or category C of it), or\n"
    "with --missing the deeds of the node that the list does not show. Lines end with CR LF.\n"
    "\n"
    "  --group G, --category C  the tree node (numbers, 1 to 4 for the built-in groups)\n"
    "  --missing       the missing deeds (未受注のディード) instead of the shown ones; 結合数,\n"
    "                  備考 and 登録番号 are then left out\n"
    "  --items LIST    the checked items in their order, by code: 0 連番 (always first),\n"
    "                  1 グループ, 2 カテゴリ, 3 種類, 4 材料, 5 品質, 6 数量, 7 結合数, 8 備考,\n"
    "                  9 登録番号; default 0,3,4,5,6 as the dialog opens\n"
    "  --delimiter D   the delimiter (at most 20 characters); default \" / \"\n"
    "  --no-period     連番 without the period\n"
    "  --fraction      数量 as \"( K / Q )\" (takes effect when 6 and 7 are both listed)\n"
    "  --sort ITEM     the sort command chosen once on the node's freshly shown list: 0 種類,\n"
    "                  1 材料, 2 品質, 3 数量, 4 結合数, 5 備考, 6 登録番号, 99 項目指定 (the\n"
    "                  order stored in --settings); deeds with equal keys keep the list's\n"
    "                  order. Without it: the list's order before any sort (種類, ascending)\n"
    "  --descending    the same sort command chosen twice: descending (not for 99)\n"
    "  --utf8          UTF-8 instead of the dialog's CP932\n"
    "  --settings INI  the catalogue, names and item order of this settings file (only read)\n"
    "  -o, --output OUT  replace OUT atomically instead of writing to standard output\n";

// Field names of the status output.
inline constexpr const char* kStatusCsvHeader =
    "group,category,material,quality,quantity,group_name,category_name,material_name,"
    "quality_name,quantity_name,remaining,required,filled,state,large,small1,small2,small3,"
    "small4,small5,small6";

// States of an order-status row (the list's four slot colours) and a slot whose type has no name.
inline constexpr const char* kStateComplete = "complete";
inline constexpr const char* kStateOneShort = "one-short";
inline constexpr const char* kStateStarted = "started";
inline constexpr const char* kStateEmpty = "empty";
inline constexpr const char* kTypeWithoutName = "type";

// The parts of a deed, in the order of the catalogue's name kinds (group to quantity).
inline constexpr const char* kPartNames[] = {"group",    "category", "type",
                                             "material", "quality",  "quantity"};

// The five names of an order-status row in the JSON output.
inline constexpr const char* kRowNameFields[] = {"group", "category", "material", "quality",
                                                 "quantity"};

// Words of the check summary.
inline constexpr const char* kDeeds = "deeds";
inline constexpr const char* kHighestSerial = "highest registration number";
inline constexpr const char* kGroup = "group";
inline constexpr const char* kUnknownGroup = "(not in the catalogue)";
inline constexpr const char* kTrailingBytes = "bytes after the last deed (ignored when read)";
inline constexpr const char* kUnknownItems = "deeds with items the catalogue does not know";
inline constexpr const char* kDeed = "deed";
inline constexpr const char* kRegistrationNumber = "registration number";
inline constexpr const char* kUnknownParts = "unknown";

// Words of the merge summary.
inline constexpr const char* kMergeRead = "deeds read";
inline constexpr const char* kMergeAppended = "deeds appended";
inline constexpr const char* kMergeNumbered = "registration numbers";
inline constexpr const char* kMergeSameFile = "names the same file as the first; nothing appended";
inline constexpr const char* kMergeWrote = "deeds written";

// Refused input (exit status 1); each follows "tessary-tool: FILE: ".
inline constexpr const char* kNotFound = "no such file";
inline constexpr const char* kCannotOpen = "cannot be opened (a folder, or no permission)";
inline constexpr const char* kReadError = "reading failed";
inline constexpr const char* kTruncatedCount = "the file ends inside the deed count";
inline constexpr const char* kTruncatedDeed = "the file ends inside deed %u of the %d it announces";
inline constexpr const char* kBadCatalogue =
    "the catalogue in [ConstantValues] is malformed or out of order (Tessary would run with an "
    "empty catalogue)";
inline constexpr const char* kCatalogueTooLarge =
    "the catalogue in [ConstantValues] gives far more order-status rows than any real catalogue "
    "(Tessary shows an empty order-status list)";
inline constexpr const char* kWriteFailed = "cannot be written";
inline constexpr const char* kOutputFailed = "standard output: write failed";

// Wrong usage (exit status 2).
inline constexpr const char* kUnknownCommand = "unknown command";
inline constexpr const char* kNoCommand = "no command given";
inline constexpr const char* kUnknownOption = "unknown option";
inline constexpr const char* kOptionNeedsValue = "option needs a value";
inline constexpr const char* kOptionTakesNoValue = "option takes no value";
inline constexpr const char* kOptionRepeated = "option given twice";
inline constexpr const char* kNeedFile = "no deed file given";
inline constexpr const char* kOneFileOnly = "exactly one deed file expected";
inline constexpr const char* kNeedOutput = "no output file given (-o OUT)";
inline constexpr const char* kBadNumber = "not a number from 1 to 255";
inline constexpr const char* kCategoryNeedsGroup = "--category needs --group";
inline constexpr const char* kNoSuchGroup = "the catalogue has no such group";
inline constexpr const char* kNoSuchCategory = "the catalogue has no such category in the group";
inline constexpr const char* kBadFormat = "unknown format (text, csv or json)";
inline constexpr const char* kJsonIsUtf8 = "--format json is always UTF-8; drop --cp932";
inline constexpr const char* kNeedGroup = "no tree node given (--group G)";
inline constexpr const char* kBadItems = "item codes are numbers from 0 to 9, separated by commas";
inline constexpr const char* kItemTwice = "an item is listed twice";
inline constexpr const char* kNumberFirst = "0 (連番) can only come first";
inline constexpr const char* kDelimiterNotCp932 = "has characters CP932 cannot hold";
inline constexpr const char* kDelimiterTooLong = "longer than 20 characters";
inline constexpr const char* kBadSortItem = "sort items are 0 to 6 and 99";
inline constexpr const char* kItemOrderAscending = "--descending: sort item 99 is always ascending";
inline constexpr const char* kDescendingNeedsSort = "--descending needs --sort";
inline constexpr const char* kTooManyCombinations =
    "the catalogue gives more than 1,000,000 combinations for the node; no missing deeds";
inline constexpr const char* kUtf8AndCp932 = "--utf8 and --cp932 contradict each other";
inline constexpr const char* kTryHelp = "Try 'tessary-tool %s --help'.";

} // namespace tessary::tool::texts
