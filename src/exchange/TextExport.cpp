#include "exchange/TextExport.h"

#include "data/Catalogue.h"
#include "data/Deed.h"
#include "exchange/MissingDeeds.h"
#include "platform/AtomicFile.h"
#include "platform/Cp932.h"

#include <algorithm>
#include <charconv>

namespace tessary {
namespace {

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

template <class Integer>
void appendNumber(std::string& out, Integer value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

const std::string kNoName;

} // namespace

bool ExportOptions::has(ExportItem item) const {
    return std::find(items.begin(), items.end(), item) != items.end();
}

bool ExportOptions::fraction() const {
    return fractionChecked && has(ExportItem::Quantity) && has(ExportItem::Combined);
}

bool ExportOptions::writes(ExportItem item) const {
    switch (item) {
    case ExportItem::Combined:
        return !fraction() && !missing;
    case ExportItem::Comment:
    case ExportItem::Serial:
        return !missing;
    default:
        return true;
    }
}

ExportLineBuilder::ExportLineBuilder(const Catalogue& catalogue, ExportOptions options)
    : catalogue_(catalogue), options_(std::move(options)), fraction_(options_.fraction()) {
    appendText(delimiter_, options_.delimiter);
    names_.reserve(catalogue.size());
    for (const CatalogueEntry& e : catalogue.entries()) {
        Name name{e.key, {}};
        appendText(name.text, e.name);
        names_.push_back(std::move(name));
    }
    facts_.resize(kFactsSlots);
    for (std::size_t n = 0; n < quantityNumbers_.size(); ++n) {
        quantityNumbers_[n] = catalogue.quantityNumber(static_cast<int>(n));
    }
}

void ExportLineBuilder::appendText(std::string& out, std::string_view cp932) const {
    if (options_.encoding == ExportEncoding::Cp932 || isAscii(cp932)) {
        out.append(cp932);
    } else {
        out.append(cp932ToUtf8(cp932));
    }
}

const std::string& ExportLineBuilder::nameFor(std::uint32_t key) const {
    // The catalogue is in ascending key order, and so are the names taken from it.
    const auto at = std::lower_bound(names_.begin(), names_.end(), key,
                                     [](const Name& n, std::uint32_t k) { return n.key < k; });
    return at != names_.end() && at->key == key ? at->text : kNoName;
}

const ExportLineBuilder::Facts& ExportLineBuilder::factsOf(const Deed& deed) const {
    // A list holds few distinct items, so nearly every deed finds its item's facts here.
    const std::uint64_t key = (std::uint64_t{deed.itemCode} << 32) | deed.orderCode;
    Facts& slot = facts_[static_cast<std::size_t>((key * 0x9E3779B97F4A7C15u) >> 52)];
    if (slot.key != key || slot.names[0] == nullptr) {
        slot.key = key;
        for (const NameKind kind :
             {kNameGroup, kNameCategory, kNameType, kNameMaterial, kNameQuality}) {
            slot.names[kind] =
                &nameFor(Catalogue::keyFor(kind, deed.group(), deed.category(), deed.type(),
                                           deed.material(), deed.quality(), deed.quantity()));
        }
        slot.quantity = quantityNumbers_[static_cast<std::size_t>(deed.quantity())];
        slot.parts = deed.isLarge() ? catalogue_.partCountOf(deed) : 1;
    }
    return slot;
}

void ExportLineBuilder::appendLine(std::string& out, const Deed& deed, std::uint64_t number) const {
    const std::size_t start = out.size();
    const Facts& facts = factsOf(deed);
    const auto name = [&facts](NameKind kind) -> const std::string& { return *facts.names[kind]; };
    const auto piece = [&](const std::string& text) {
        out.append(text);
        out.append(delimiter_);
    };
    const std::int64_t q = facts.quantity;
    const std::int64_t k = deed.combinedCount();
    const bool large = deed.isLarge();
    const std::int64_t p = facts.parts;

    for (const ExportItem item : options_.items) {
        if (!options_.writes(item)) {
            continue;
        }
        switch (item) {
        case ExportItem::Number:
            appendNumber(out, number);
            if (options_.period) {
                out.push_back('.');
            }
            // The number is always followed by one space, never by the delimiter.
            out.push_back(' ');
            break;
        case ExportItem::Group:
            piece(name(kNameGroup));
            break;
        case ExportItem::Category:
            piece(name(kNameCategory));
            break;
        case ExportItem::Type:
            piece(name(kNameType));
            break;
        case ExportItem::Material:
            piece(name(kNameMaterial));
            break;
        case ExportItem::Quality:
            piece(name(kNameQuality));
            break;
        case ExportItem::Quantity:
            if (fraction_) {
                out.append("( ");
                appendNumber(out, large ? k * q : k);
                out.append(" / ");
                appendNumber(out, p * q);
                out.append(" )");
            } else {
                appendNumber(out, p * q);
            }
            out.append(delimiter_);
            break;
        case ExportItem::Combined:
            appendNumber(out, large ? k * q : k);
            out.append(delimiter_);
            break;
        case ExportItem::Comment:
            appendText(out, deed.comment);
            out.append(delimiter_);
            break;
        case ExportItem::Serial:
            appendNumber(out, deed.serialNumber);
            out.append(delimiter_);
            break;
        }
    }
    const std::string_view line(out.data() + start, out.size() - start);
    if (!delimiter_.empty() && line.ends_with(delimiter_)) {
        out.resize(out.size() - delimiter_.size());
    }
}

std::string ExportLineBuilder::line(const Deed& deed, std::uint64_t number) const {
    std::string text;
    appendLine(text, deed, number);
    return text;
}

namespace {

constexpr std::string_view kLineEnd = "\r\n";

template <class Next>
std::string buildLines(const ExportLineBuilder& builder, std::size_t count, Next next) {
    std::string out;
    // Lines of the default items run to some 60 bytes: room for them all at once saves copying
    // tens of megabytes while the text grows.
    out.reserve(count * 64);
    for (std::size_t i = 0; i < count; ++i) {
        builder.appendLine(out, next(i), i + 1);
        out.append(kLineEnd);
    }
    return out;
}

} // namespace

std::string buildExportText(const ExportLineBuilder& builder,
                            const std::vector<const Deed*>& rows) {
    return buildLines(builder, rows.size(),
                      [&rows](std::size_t i) -> const Deed& { return *rows[i]; });
}

std::string buildExportText(const ExportLineBuilder& builder, const MissingDeeds& missing,
                            bool descending) {
    const std::vector<Deed>& deeds = missing.deeds;
    const std::size_t count = deeds.size();
    return buildLines(builder, count, [&](std::size_t i) -> const Deed& {
        return descending ? deeds[count - 1 - i] : deeds[i];
    });
}

ExportSample chooseExportSample(const std::vector<const Deed*>& rows, const MissingDeeds& missing,
                                bool missingChecked, bool descending) {
    ExportSample sample;
    if (missingChecked) {
        const std::vector<Deed>& deeds = missing.deeds;
        const std::size_t count = deeds.size();
        if (count >= 1) {
            sample.first = descending ? &deeds[count - 1] : &deeds[0];
        }
        if (count >= 2) {
            sample.second = descending ? &deeds[count - 2] : &deeds[1];
        }
    } else {
        if (rows.size() >= 1) {
            sample.first = rows[0];
        }
        if (rows.size() >= 2) {
            sample.second = rows[1];
        }
    }
    return sample;
}

ExportWriteResult writeExportFile(const std::string& path, std::string_view bytes) {
    ExportWriteResult result;
    if (!canReplaceFile(path, &result.reason)) {
        result.status = ExportWriteStatus::CannotOpen;
        return result;
    }
    if (!replaceFileAtomically(path, bytes, &result.reason)) {
        result.status = ExportWriteStatus::WriteFailed;
    }
    return result;
}

} // namespace tessary
