// tessary-tool status: the order-status rows of a deed file, as the order-status list shows them.
#include "content/DeedDocument.h"
#include "data/Filters.h"
#include "platform/Cp932.h"
#include "status/ConditionRows.h"
#include "status/ConditionState.h"
#include "tool/CommandLine.h"
#include "tool/Commands.h"
#include "tool/ToolInput.h"
#include "tool/ToolTexts.h"

namespace tessary::tool {

namespace {

enum class Format { Text, Csv, Json };

constexpr int kSlotCount = 7; // the large deed (type 1) and small types 2 to 7

const char* stateWord(ConditionState state) {
    switch (state) {
    case ConditionState::Complete:
        return texts::kStateComplete;
    case ConditionState::OneShort:
        return texts::kStateOneShort;
    case ConditionState::Started:
        return texts::kStateStarted;
    case ConditionState::Empty:
        break;
    }
    return texts::kStateEmpty;
}

// The five names of a row: group, category, material, quality, quantity.
std::array<std::string, 5> rowNames(const Catalogue& catalogue, const ConditionRow& row) {
    return {nameOf(catalogue, kNameGroup, row), nameOf(catalogue, kNameCategory, row),
            nameOf(catalogue, kNameMaterial, row), nameOf(catalogue, kNameQuality, row),
            nameOf(catalogue, kNameQuantity, row)};
}

std::string slotName(const Catalogue& catalogue, const ConditionRow& row, int type) {
    return catalogue.nameOf(kNameType, row.group(), row.category(), type, 0, 0, 0);
}

int slotCount(const ConditionRow& row, int type) {
    return row.typeCounts[static_cast<std::size_t>(type - 1)];
}

// A slot is shown when its set has that type, or when a deed filled it anyway (a large deed
// whose combine bits name a type the set lacks).
bool slotShown(const std::string& name, int count) {
    return !name.empty() || count != 0;
}

void printText(TextOut& out, const Catalogue& catalogue, const ConditionRow& row) {
    const auto names = rowNames(catalogue, row);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) {
            out.raw(" / ");
        }
        out.text(names[i]);
    }
    out.raw(" | ").number(row.remaining()).raw(" / ").number(row.required);
    out.raw(" | ").raw(stateWord(conditionState(row)));
    for (int type = 1; type <= kSlotCount; ++type) {
        const std::string name = slotName(catalogue, row, type);
        const int count = slotCount(row, type);
        if (!slotShown(name, count)) {
            continue;
        }
        out.raw(" | ");
        if (name.empty()) {
            out.raw(texts::kTypeWithoutName).raw(" ").number(type);
        } else {
            out.text(name);
        }
        out.raw(" ").number(count);
    }
    out.endLine();
}

void printCsv(TextOut& out, const Catalogue& catalogue, const ConditionRow& row) {
    out.number(row.group()).raw(",").number(row.category()).raw(",").number(row.material());
    out.raw(",").number(row.quality()).raw(",").number(row.quantity());
    for (const std::string& name : rowNames(catalogue, row)) {
        out.raw(",").text(csvField(name));
    }
    out.raw(",").number(row.remaining()).raw(",").number(row.required);
    out.raw(",").number(row.filled).raw(",").raw(stateWord(conditionState(row)));
    for (int type = 1; type <= kSlotCount; ++type) {
        out.raw(",").number(slotCount(row, type));
    }
    out.endLine();
}

void printJson(TextOut& out, const Catalogue& catalogue, const ConditionRow& row) {
    const auto names = rowNames(catalogue, row);
    out.raw("{\"group\": ").number(row.group()).raw(", \"category\": ").number(row.category());
    out.raw(", \"material\": ").number(row.material()).raw(", \"quality\": ");
    out.number(row.quality()).raw(", \"quantity\": ").number(row.quantity());
    out.raw(", \"names\": {");
    for (std::size_t i = 0; i < names.size(); ++i) {
        out.raw(i == 0 ? "\"" : ", \"").raw(texts::kRowNameFields[i]).raw("\": ");
        out.raw(jsonString(cp932ToUtf8(names[i])));
    }
    out.raw("}, \"remaining\": ").number(row.remaining()).raw(", \"required\": ");
    out.number(row.required).raw(", \"filled\": ").number(row.filled);
    out.raw(", \"state\": \"").raw(stateWord(conditionState(row))).raw("\", \"slots\": [");
    bool firstSlot = true;
    for (int type = 1; type <= kSlotCount; ++type) {
        const std::string name = slotName(catalogue, row, type);
        const int count = slotCount(row, type);
        if (!slotShown(name, count)) {
            continue;
        }
        out.raw(firstSlot ? "{\"type\": " : ", {\"type\": ").number(type);
        out.raw(", \"name\": ").raw(jsonString(cp932ToUtf8(name)));
        out.raw(", \"count\": ").number(count).raw("}");
        firstSlot = false;
    }
    out.raw("]}");
}

Format chooseFormat(const std::optional<std::string>& given, bool cp932) {
    if (!given || *given == "text") {
        return Format::Text;
    }
    if (*given == "csv") {
        return Format::Csv;
    }
    if (*given == "json") {
        if (cp932) {
            throw UsageError(texts::kJsonIsUtf8);
        }
        return Format::Json;
    }
    throw UsageError("--format " + *given + ": " + texts::kBadFormat);
}

} // namespace

int runStatus(const std::vector<std::string>& args, ToolStreams& io) {
    const CommandLine line(args, {{"--settings", "", true},
                                  {"--group", "", true},
                                  {"--category", "", true},
                                  {"--format", "", true}});
    if (line.positional().empty()) {
        throw UsageError(texts::kNeedFile);
    }
    if (line.positional().size() > 1) {
        throw UsageError(texts::kOneFileOnly);
    }
    const Format format = chooseFormat(line.value("--format"), io.out.cp932());

    DeedDocument doc;
    loadCatalogue(line.value("--settings"), doc.catalogue());
    if (catalogueTooLargeForOrderStatus(doc.catalogue())) {
        throw RefusedInput(line.value("--settings").value_or(""), texts::kCatalogueTooLarge);
    }
    const CatalogueEntry* node =
        chooseNode(doc.catalogue(), line.value("--group"), line.value("--category"));
    readDeedFile(line.positional().front(), doc);
    doc.buildConditionRows();

    // The rows come in the order they are built (group, category, material, quality,
    // quantity), which is the order-status list's order before any sort command.
    TextOut& out = io.out;
    if (format == Format::Csv) {
        out.raw(texts::kStatusCsvHeader).endLine();
    }
    if (format == Format::Json) {
        out.raw("[");
    }
    bool first = true;
    for (const ConditionRow& row : doc.conditionRows()) {
        if (node != nullptr && !isInNode(node, row.group(), row.category())) {
            continue;
        }
        switch (format) {
        case Format::Text:
            printText(out, doc.catalogue(), row);
            break;
        case Format::Csv:
            printCsv(out, doc.catalogue(), row);
            break;
        case Format::Json:
            out.raw(first ? "\n" : ",\n");
            printJson(out, doc.catalogue(), row);
            break;
        }
        first = false;
    }
    if (format == Format::Json) {
        out.raw("\n]\n");
    }
    return 0;
}

} // namespace tessary::tool
