// The text export: one line per deed with the items, delimiter and number style the user chose,
// lines ended by CR LF, in CP932 as the deed file holds its text or converted to UTF-8.
//
// The export dialog and a command-line export share everything here, so both write the same
// bytes for the same choices: the options, the line of one deed, the whole file for the shown
// deeds or the missing deeds, the two sample deeds and the atomic write of the file.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessary {

class Catalogue;
struct Deed;
struct MissingDeeds;

// The output items, by the code each item list row carries.
enum class ExportItem : int {
    Number = 0,   // 連番
    Group = 1,    // グループ
    Category = 2, // カテゴリ
    Type = 3,     // 種類
    Material = 4, // 材料
    Quality = 5,  // 品質
    Quantity = 6, // 数量
    Combined = 7, // 結合数
    Comment = 8,  // 備考
    Serial = 9,   // 登録番号
};
inline constexpr int kExportItemCount = 10;

// The row order and check states the item list starts with at every opening.
struct ExportItemRow {
    ExportItem item;
    bool checked;
};
inline constexpr ExportItemRow kDefaultExportItems[kExportItemCount] = {
    {ExportItem::Number, true},   {ExportItem::Group, false},    {ExportItem::Category, false},
    {ExportItem::Type, true},     {ExportItem::Material, true},  {ExportItem::Quality, true},
    {ExportItem::Quantity, true}, {ExportItem::Combined, false}, {ExportItem::Comment, false},
    {ExportItem::Serial, false},
};

// The delimiter the dialog starts with.
inline constexpr const char* kDefaultExportDelimiter = " / ";

enum class ExportEncoding {
    Cp932, // the bytes as the deed file and the catalogue hold them
    Utf8,  // each piece converted to UTF-8 (no byte-order mark); bad CP932 bytes become U+FFFD
};

struct ExportOptions {
    // The checked items, in list order.
    std::vector<ExportItem> items;
    // CP932 bytes; may be empty.
    std::string delimiter = kDefaultExportDelimiter;
    // "%d." instead of "%d" for 連番.
    bool period = true;
    // The fraction check box; it only takes effect when 数量 and 結合数 are both listed.
    bool fractionChecked = false;
    // Write the missing deeds instead of the shown ones (結合数, 備考, 登録番号 are then left out).
    bool missing = false;
    ExportEncoding encoding = ExportEncoding::Cp932;

    bool has(ExportItem item) const;
    // 数量 as "( K / Q )": the box is checked and 数量 and 結合数 are both listed.
    bool fraction() const;
    // Whether `item` is written at all under these options (false for 結合数 in fraction mode,
    // and for 結合数, 備考 and 登録番号 while the missing deeds are written).
    bool writes(ExportItem item) const;
};

// The line of one deed, as a ready list of pieces: the catalogue's names converted once into the
// output encoding, so a million lines do not convert a million names. Not for use by several
// threads at once.
class ExportLineBuilder {
public:
    ExportLineBuilder(const Catalogue& catalogue, ExportOptions options);

    const ExportOptions& options() const { return options_; }

    // Appends the line of `deed` at position `number` (from 1), without a line end. A delimiter
    // that the line ends with is removed once.
    void appendLine(std::string& out, const Deed& deed, std::uint64_t number) const;
    std::string line(const Deed& deed, std::uint64_t number) const;

private:
    struct Name {
        std::uint32_t key;
        std::string text;
    };
    // What a line takes from the catalogue for one item: its names, Q and the part count.
    struct Facts {
        std::uint64_t key = 0; // item code and order code
        const std::string* names[5] = {};
        // Products in 64 bits: a hand-edited quantity name can make them exceed an int.
        std::int64_t quantity = 0;
        std::int64_t parts = 1;
    };
    static constexpr std::size_t kFactsSlots = 4096;

    const std::string& nameFor(std::uint32_t key) const;
    const Facts& factsOf(const Deed& deed) const;
    void appendText(std::string& out, std::string_view cp932) const;

    const Catalogue& catalogue_;
    ExportOptions options_;
    std::string delimiter_;   // in the output encoding
    std::vector<Name> names_; // every catalogue entry's name in the output encoding, by key
    std::array<int, 256> quantityNumbers_{}; // Q of each quantity index, read from its name
    // The facts of recently written items, by a hash of their codes. Lines are built on one
    // thread at a time.
    mutable std::vector<Facts> facts_;
    bool fraction_;
};

// The whole file for the deeds shown in the list, in list order, numbered from 1, each line
// ended by CR LF.
std::string buildExportText(const ExportLineBuilder& builder, const std::vector<const Deed*>& rows);
// The whole file for the missing deeds: in their sorted order, or reversed when the deed list is
// sorted descending; numbered from 1 in the order written.
std::string buildExportText(const ExportLineBuilder& builder, const MissingDeeds& missing,
                            bool descending);

// The two deeds the sample lines show: the first two rows of the list, or, for the missing
// deeds, the first two (the last two, last first, when the list is sorted descending). Either
// is nullptr when there are too few.
struct ExportSample {
    const Deed* first = nullptr;
    const Deed* second = nullptr;
};
ExportSample chooseExportSample(const std::vector<const Deed*>& rows, const MissingDeeds& missing,
                                bool missingChecked, bool descending);

// How writing the file ended.
enum class ExportWriteStatus {
    Written,
    CannotOpen, // a folder, a read-only file, a missing folder, ...: nothing was touched
    WriteFailed // writing failed on the way; an earlier file of that name is left whole
};
struct ExportWriteResult {
    ExportWriteStatus status = ExportWriteStatus::Written;
    std::string reason; // the system's reason, in English
};

// Replaces the file at `path` (a local path in the file system's bytes) with `bytes`, atomically.
ExportWriteResult writeExportFile(const std::string& path, std::string_view bytes);

} // namespace tessary
