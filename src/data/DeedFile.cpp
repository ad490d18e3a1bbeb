#include "data/DeedFile.h"

#include "platform/Cp932.h"

namespace tessary {

bool ByteReader::readU8(std::uint8_t& v) {
    if (remaining() < 1) {
        return false;
    }
    v = static_cast<std::uint8_t>(bytes_[pos_]);
    pos_ += 1;
    return true;
}

bool ByteReader::readU16(std::uint16_t& v) {
    if (remaining() < 2) {
        return false;
    }
    const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data() + pos_);
    v = static_cast<std::uint16_t>(p[0] | (p[1] << 8));
    pos_ += 2;
    return true;
}

bool ByteReader::readU32(std::uint32_t& v) {
    if (remaining() < 4) {
        return false;
    }
    const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data() + pos_);
    v = static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
        (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    pos_ += 4;
    return true;
}

bool ByteReader::readBytes(std::size_t n, std::string_view& out) {
    if (remaining() < n) {
        return false;
    }
    out = bytes_.substr(pos_, n);
    pos_ += n;
    return true;
}

namespace {

void appendU16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

void appendU32(std::string& out, std::uint32_t v) {
    char bytes[4] = {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                     static_cast<char>((v >> 16) & 0xFF), static_cast<char>(v >> 24)};
    out.append(bytes, 4);
}

// The three length forms; `wide` reports the 0xFF 0xFFFE marker of UTF-16 text instead.
bool readLength(ByteReader& in, std::uint32_t& length, bool& wide) {
    wide = false;
    std::uint8_t b = 0;
    if (!in.readU8(b)) {
        return false;
    }
    if (b < 0xFF) {
        length = b;
        return true;
    }
    std::uint16_t w = 0;
    if (!in.readU16(w)) {
        return false;
    }
    if (w == 0xFFFE) {
        wide = true;
        return true;
    }
    if (w < 0xFFFF) {
        length = w;
        return true;
    }
    return in.readU32(length);
}

} // namespace

void appendLengthPrefixedText(std::string& out, std::string_view text) {
    const std::size_t n = text.size();
    if (n < 0xFF) {
        out.push_back(static_cast<char>(n));
    } else if (n < 0xFFFE) {
        out.push_back(static_cast<char>(0xFF));
        appendU16(out, static_cast<std::uint16_t>(n));
    } else {
        out.push_back(static_cast<char>(0xFF));
        appendU16(out, 0xFFFF);
        appendU32(out, static_cast<std::uint32_t>(n));
    }
    out.append(text);
}

bool readLengthPrefixedText(ByteReader& in, std::string& text) {
    std::uint32_t length = 0;
    bool wide = false;
    if (!readLength(in, length, wide)) {
        return false;
    }
    if (!wide) {
        std::string_view bytes;
        if (!in.readBytes(length, bytes)) {
            return false;
        }
        text.assign(bytes);
        return true;
    }
    // UTF-16 text: a second prefix counts 16-bit characters. A second wide marker is not a
    // length at all, so the file is malformed.
    bool wideAgain = false;
    if (!readLength(in, length, wideAgain) || wideAgain) {
        return false;
    }
    if (in.remaining() / 2 < length) {
        return false;
    }
    std::string_view units;
    if (!in.readBytes(std::size_t{length} * 2, units)) {
        return false;
    }
    text = utf16leToCp932(units);
    return true;
}

void appendDeedRecord(std::string& out, const Deed& deed) {
    appendU32(out, deed.itemCode);
    appendU32(out, deed.orderCode);
    appendU16(out, deed.combined);
    appendU32(out, deed.serialNumber);
    appendLengthPrefixedText(out, deed.comment);
}

bool readDeedRecord(ByteReader& in, Deed& deed) {
    return in.readU32(deed.itemCode) && in.readU32(deed.orderCode) && in.readU16(deed.combined) &&
           in.readU32(deed.serialNumber) && readLengthPrefixedText(in, deed.comment);
}

void appendDeedCount(std::string& out, std::int32_t count) {
    appendU32(out, static_cast<std::uint32_t>(count));
}

} // namespace tessary
