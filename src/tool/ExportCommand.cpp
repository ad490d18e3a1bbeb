// tessary-tool export: the lines the export dialog writes, built by the same code.
#include "content/DeedDocument.h"
#include "data/DeedSortKey.h"
#include "data/Filters.h"
#include "exchange/MissingDeeds.h"
#include "exchange/TextExport.h"
#include "platform/Cp932.h"
#include "platform/ProfileFile.h"
#include "resources/SettingsKeys.h"
#include "tool/CommandLine.h"
#include "tool/Commands.h"
#include "tool/ToolInput.h"
#include "tool/ToolTexts.h"

#include <algorithm>
#include <charconv>

namespace tessary::tool {

namespace {

// The dialog's delimiter edit takes at most this many characters.
constexpr std::size_t kMaxDelimiterCharacters = 20;

int parseNumber(std::string_view text, int low, int high) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < low || value > high) {
        return -1;
    }
    return value;
}

// "--items 0,3,4": the checked rows of the item list in their order. 連番 can only stand
// first, as the dialog never moves it; an item appears once.
std::vector<ExportItem> parseItems(const std::optional<std::string>& given) {
    std::vector<ExportItem> items;
    if (!given) {
        for (const ExportItemRow& row : kDefaultExportItems) {
            if (row.checked) {
                items.push_back(row.item);
            }
        }
        return items;
    }
    std::string_view rest = *given;
    while (true) {
        const std::size_t comma = rest.find(',');
        const std::string_view word = rest.substr(0, comma);
        const int code = parseNumber(word, 0, kExportItemCount - 1);
        if (code < 0) {
            throw UsageError("--items " + *given + ": " + texts::kBadItems);
        }
        const auto item = static_cast<ExportItem>(code);
        if (std::find(items.begin(), items.end(), item) != items.end()) {
            throw UsageError("--items " + *given + ": " + texts::kItemTwice);
        }
        if (item == ExportItem::Number && !items.empty()) {
            throw UsageError("--items " + *given + ": " + texts::kNumberFirst);
        }
        items.push_back(item);
        if (comma == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(comma + 1);
    }
    return items;
}

// The delimiter as the dialog holds it: CP932 bytes of at most 20 characters. A character that
// CP932 cannot hold is refused, as the dialog refuses it, rather than written as '?'.
std::string parseDelimiter(const std::optional<std::string>& given) {
    if (!given) {
        return kDefaultExportDelimiter;
    }
    const std::optional<std::string> cp932 = utf8ToCp932Exact(*given);
    if (!cp932) {
        throw UsageError("--delimiter: " + std::string(texts::kDelimiterNotCp932));
    }
    const auto characters = std::count_if(given->begin(), given->end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    if (static_cast<std::size_t>(characters) > kMaxDelimiterCharacters) {
        throw UsageError("--delimiter: " + std::string(texts::kDelimiterTooLong));
    }
    return *cp932;
}

} // namespace

int runExport(const std::vector<std::string>& args, ToolStreams& io) {
    const CommandLine line(args, {{"--settings", "", true},
                                  {"--group", "", true},
                                  {"--category", "", true},
                                  {"--missing", "", false},
                                  {"--items", "", true},
                                  {"--delimiter", "", true},
                                  {"--no-period", "", false},
                                  {"--fraction", "", false},
                                  {"--sort", "", true},
                                  {"--descending", "", false},
                                  {"--utf8", "", false},
                                  {"--output", "-o", true}});
    if (line.positional().empty()) {
        throw UsageError(texts::kNeedFile);
    }
    if (line.positional().size() > 1) {
        throw UsageError(texts::kOneFileOnly);
    }
    if (!line.has("--group")) {
        throw UsageError(texts::kNeedGroup);
    }

    ExportOptions options;
    options.items = parseItems(line.value("--items"));
    options.delimiter = parseDelimiter(line.value("--delimiter"));
    options.period = !line.has("--no-period");
    options.fractionChecked = line.has("--fraction");
    options.missing = line.has("--missing");
    // CP932 is the export's own default, like the dialog's; --cp932 only says so again.
    if (line.has("--utf8") && io.out.cp932()) {
        throw UsageError(texts::kUtf8AndCp932);
    }
    options.encoding = line.has("--utf8") ? ExportEncoding::Utf8 : ExportEncoding::Cp932;

    // The deed list's sort state: none chosen (item 0, ascending) until a sort command; a
    // second command on the same item reverses it, which item 99 never does.
    int sortItem = -1;
    bool descending = false;
    if (const auto sort = line.value("--sort")) {
        sortItem = parseNumber(*sort, 0, kSortBySerial);
        if (*sort == "99") {
            sortItem = kSortByItemOrder;
        }
        if (sortItem < 0) {
            throw UsageError("--sort " + *sort + ": " + texts::kBadSortItem);
        }
        descending = line.has("--descending");
        if (descending && sortItem == kSortByItemOrder) {
            throw UsageError(texts::kItemOrderAscending);
        }
    } else if (line.has("--descending")) {
        throw UsageError(texts::kDescendingNeedsSort);
    }

    const std::optional<std::string> settingsPath = line.value("--settings");
    DeedDocument doc;
    loadCatalogue(settingsPath, doc.catalogue());
    const CatalogueEntry* node =
        chooseNode(doc.catalogue(), line.value("--group"), line.value("--category"));
    std::string sortOrder;
    if (sortItem == kSortByItemOrder) {
        sortOrder = settings::kDeedViewSortItem.defaultValue;
        if (settingsPath) {
            sortOrder = settings::read(ProfileFile(*settingsPath), settings::kDeedViewSortItem);
        }
    }
    const std::string& file = line.positional().front();
    readDeedFile(file, doc);

    // The deed list of the node as it is first shown: the deeds inside it in file order, sorted
    // as item 0 while no sort item is chosen. A sort command then sorts those rows again,
    // stably, so deeds with equal keys keep the order the list showed them in.
    std::vector<const Deed*> rows;
    for (const auto& deed : doc.deeds()) {
        if (isInNode(node, deed->group(), deed->category())) {
            rows.push_back(deed.get());
        }
    }
    sortDeeds(rows, -1, false, {});
    if (sortItem >= 0) {
        sortDeeds(rows, sortItem, descending, sortOrder);
    }

    const ExportLineBuilder builder(doc.catalogue(), options);
    std::string text;
    if (options.missing) {
        const MissingDeeds missing =
            buildMissingDeeds(doc.catalogue(), node, Deed{}, rows, sortItem, sortOrder);
        if (missing.scope == MissingDeeds::Scope::TooMany) {
            throw RefusedInput(settingsPath.value_or(file), texts::kTooManyCombinations);
        }
        text = buildExportText(builder, missing, descending);
    } else {
        text = buildExportText(builder, rows);
    }

    if (const auto output = line.value("--output")) {
        const ExportWriteResult written = writeExportFile(*output, text);
        if (written.status != ExportWriteStatus::Written) {
            throw RefusedInput(*output, std::string(texts::kWriteFailed) + ": " + written.reason);
        }
        return 0;
    }
    io.out.raw(text);
    return 0;
}

} // namespace tessary::tool
