// The deed file: a little-endian signed count, then one record per deed (item code, order code,
// combine state, registration number, length-prefixed CP932 comment). No signature, no trailer.
#pragma once

#include "data/Deed.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tessary {

// Reads little-endian values from a byte buffer, never past its end.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    std::size_t remaining() const { return bytes_.size() - pos_; }
    std::size_t position() const { return pos_; }
    bool atEnd() const { return pos_ == bytes_.size(); }

    bool readU8(std::uint8_t& v);
    bool readU16(std::uint16_t& v);
    bool readU32(std::uint32_t& v);
    // Hands out the next n bytes; false (and nothing consumed) when fewer remain.
    bool readBytes(std::size_t n, std::string_view& out);

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

// Appends a text with its length prefix: one byte below 255; 0xFF + 16-bit below 65534;
// 0xFF 0xFFFF + 32-bit beyond.
void appendLengthPrefixedText(std::string& out, std::string_view text);

// Reads a length-prefixed text, including the wide form (0xFF 0xFFFE, a second prefix counting
// UTF-16 characters, then the characters), which is converted to CP932. False when the buffer
// ends before the announced bytes; nothing larger than what remains is ever allocated.
bool readLengthPrefixedText(ByteReader& in, std::string& text);

// One deed record: the five stored fields.
void appendDeedRecord(std::string& out, const Deed& deed);
bool readDeedRecord(ByteReader& in, Deed& deed);

// The size in bytes a record with an empty comment takes: the least any record can take.
inline constexpr std::size_t kMinDeedRecordSize = 15;

// Appends the little-endian count field.
void appendDeedCount(std::string& out, std::int32_t count);

} // namespace tessary
