#include "core/formats/PictureDecoding.h"

#include "core/formats/LittleEndian.h"

#include <array>
#include <cstddef>
#include <string>

namespace orbisk::pictures {

namespace {

using endian::ReadLittle;

// Larger pictures are left to a general reader; the skin's are far smaller.
constexpr std::size_t kMostPixels = std::size_t{1} << 24;

// Bytes read in order, every read checked against the end.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : m_bytes(bytes) {}

    bool Has(std::size_t count) const { return m_bytes.size() - m_at >= count; }
    unsigned Byte() { return static_cast<unsigned char>(m_bytes[m_at++]); }
    unsigned Little16() {
        const auto value = static_cast<unsigned>(ReadLittle(m_bytes, m_at, 2));
        m_at += 2;
        return value;
    }
    std::string_view Take(std::size_t count) {
        const std::string_view taken = m_bytes.substr(m_at, count);
        m_at += count;
        return taken;
    }

private:
    std::string_view m_bytes;
    std::size_t m_at = 0;
};

// A GIF's data sub-blocks up to the empty one, joined; false when they end early.
bool readSubBlocks(ByteReader& reader, std::string* joined) {
    while (reader.Has(1)) {
        const unsigned size = reader.Byte();
        if (size == 0) {
            return true;
        }
        if (!reader.Has(size)) {
            return false;
        }
        const std::string_view block = reader.Take(size);
        if (joined != nullptr) {
            joined->append(block);
        }
    }
    return false;
}

// A colour table of @p entries RGB triples, each made an opaque 0xFFRRGGBB.
bool readColourTable(ByteReader& reader, std::size_t entries, std::vector<std::uint32_t>& table) {
    if (!reader.Has(entries * 3)) {
        return false;
    }
    table.resize(entries);
    for (std::uint32_t& colour : table) {
        const std::uint32_t red = reader.Byte();
        const std::uint32_t green = reader.Byte();
        const std::uint32_t blue = reader.Byte();
        colour = 0xFF000000U | (red << 16) | (green << 8) | blue;
    }
    return true;
}

// The first @p count colour indices the LZW codes in @p data give; false when
// the codes are damaged or give fewer.
bool decodeLzw(std::string_view data, unsigned minimumCodeSize, std::size_t count,
               std::vector<std::uint8_t>& out) {
    if (minimumCodeSize < 2 || minimumCodeSize > 8) {
        return false;
    }
    constexpr unsigned kCodes = 4096;
    const unsigned clear = 1U << minimumCodeSize;
    const unsigned end = clear + 1;
    std::array<std::uint16_t, kCodes> prefix{};
    std::array<std::uint8_t, kCodes> suffix{};
    std::array<std::uint8_t, kCodes + 1> stack{};
    for (unsigned code = 0; code < clear; ++code) {
        suffix[code] = static_cast<std::uint8_t>(code);
    }
    unsigned codeSize = minimumCodeSize + 1;
    unsigned next = clear + 2;
    bool havePrevious = false;
    unsigned previous = 0;
    std::uint8_t first = 0;
    std::uint32_t bits = 0;
    unsigned bitCount = 0;
    std::size_t at = 0;
    out.clear();
    out.reserve(count);
    while (out.size() < count) {
        while (bitCount < codeSize) {
            if (at == data.size()) {
                return false;
            }
            bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(data[at++])) << bitCount;
            bitCount += 8;
        }
        const unsigned code = bits & ((1U << codeSize) - 1);
        bits >>= codeSize;
        bitCount -= codeSize;
        if (code == clear) {
            codeSize = minimumCodeSize + 1;
            next = clear + 2;
            havePrevious = false;
            continue;
        }
        if (code == end) {
            return false; // the pixels end before the picture does
        }
        if (!havePrevious) {
            if (code > clear) {
                return false;
            }
            first = static_cast<std::uint8_t>(code);
            out.push_back(first);
            previous = code;
            havePrevious = true;
            continue;
        }
        if (code > next) {
            return false;
        }
        std::size_t depth = 0;
        unsigned walk = code;
        if (code == next) { // the string just being defined: the previous one and its own first index
            stack[depth++] = first;
            walk = previous;
        }
        while (walk > end) { // every entry's prefix is an older code, so this ends
            stack[depth++] = suffix[walk];
            walk = prefix[walk];
        }
        first = static_cast<std::uint8_t>(walk);
        stack[depth++] = first;
        while (depth > 0 && out.size() < count) {
            out.push_back(stack[--depth]);
        }
        if (next < kCodes) {
            prefix[next] = static_cast<std::uint16_t>(previous);
            suffix[next] = first;
            ++next;
            if (next == (1U << codeSize) && codeSize < 12) {
                ++codeSize;
            }
        }
        previous = code;
    }
    return true;
}

// The picture rows an interlaced image's rows fill, in the order they are stored.
std::vector<int> interlacedRows(int height) {
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(height));
    for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
        for (int row = start; row < height; row += step) {
            rows.push_back(row);
        }
    }
    return rows;
}

} // namespace

bool IsGif(std::string_view bytes) {
    const std::string_view signature = bytes.substr(0, 6);
    return signature == "GIF87a" || signature == "GIF89a";
}

std::optional<Pixels> DecodeGif(std::string_view bytes) {
    ByteReader reader(bytes);
    if (!reader.Has(13)) {
        return std::nullopt;
    }
    if (!IsGif(reader.Take(6))) {
        return std::nullopt;
    }
    const int width = static_cast<int>(reader.Little16());
    const int height = static_cast<int>(reader.Little16());
    const unsigned screen = reader.Byte();
    reader.Take(2); // background colour, aspect
    std::vector<std::uint32_t> global;
    if ((screen & 0x80U) != 0 && !readColourTable(reader, std::size_t{2} << (screen & 7U), global)) {
        return std::nullopt;
    }
    int transparentIndex = -1;
    while (reader.Has(1)) {
        const unsigned introducer = reader.Byte();
        if (introducer == 0x21) { // an extension; only the one before the image matters
            if (!reader.Has(1)) {
                return std::nullopt;
            }
            const unsigned label = reader.Byte();
            std::string control;
            if (!readSubBlocks(reader, label == 0xF9 ? &control : nullptr)) {
                return std::nullopt;
            }
            if (label == 0xF9 && control.size() >= 4) {
                transparentIndex = (control[0] & 1) != 0 ? static_cast<unsigned char>(control[3]) : -1;
            }
            continue;
        }
        if (introducer != 0x2C || !reader.Has(9)) {
            return std::nullopt; // the file ends, or says something else, before its first image
        }
        const unsigned left = reader.Little16();
        const unsigned top = reader.Little16();
        const int imageWidth = static_cast<int>(reader.Little16());
        const int imageHeight = static_cast<int>(reader.Little16());
        const unsigned image = reader.Byte();
        if (left != 0 || top != 0 || imageWidth != width || imageHeight != height || width == 0 ||
            height == 0 || static_cast<std::size_t>(width) * static_cast<std::size_t>(height) > kMostPixels) {
            return std::nullopt;
        }
        std::vector<std::uint32_t> local;
        if ((image & 0x80U) != 0 && !readColourTable(reader, std::size_t{2} << (image & 7U), local)) {
            return std::nullopt;
        }
        const std::vector<std::uint32_t>& table = local.empty() ? global : local;
        std::string data;
        if (!reader.Has(1)) {
            return std::nullopt;
        }
        const unsigned minimumCodeSize = reader.Byte();
        if (!readSubBlocks(reader, &data)) {
            return std::nullopt;
        }
        const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
        std::vector<std::uint8_t> indices;
        if (!decodeLzw(data, minimumCodeSize, count, indices)) {
            return std::nullopt;
        }
        Pixels pixels;
        pixels.width = width;
        pixels.height = height;
        pixels.transparent = transparentIndex >= 0;
        pixels.argb.resize(count);
        const std::vector<int> rows = (image & 0x40U) != 0 ? interlacedRows(height) : std::vector<int>();
        for (int row = 0; row < height; ++row) {
            const int target = rows.empty() ? row : rows[static_cast<std::size_t>(row)];
            for (int column = 0; column < width; ++column) {
                const std::uint8_t index =
                    indices[static_cast<std::size_t>(row) * static_cast<std::size_t>(width) +
                            static_cast<std::size_t>(column)];
                if (index >= table.size()) {
                    return std::nullopt;
                }
                const std::uint32_t colour = table[index];
                pixels.argb[static_cast<std::size_t>(target) * static_cast<std::size_t>(width) +
                            static_cast<std::size_t>(column)] =
                    static_cast<int>(index) == transparentIndex ? (colour & 0x00FFFFFFU) : colour;
            }
        }
        return pixels;
    }
    return std::nullopt;
}

std::optional<Pixels> DecodeIcon(std::string_view bytes) {
    constexpr std::size_t kDirectory = 6;
    constexpr std::size_t kEntry = 16;
    constexpr std::size_t kInfoHeader = 40;
    if (bytes.size() < kDirectory + kEntry || ReadLittle(bytes, 0, 2) != 0 || ReadLittle(bytes, 2, 2) != 1 ||
        ReadLittle(bytes, 4, 2) == 0) {
        return std::nullopt;
    }
    const std::uint64_t size = ReadLittle(bytes, kDirectory + 8, 4);
    const std::uint64_t offset = ReadLittle(bytes, kDirectory + 12, 4);
    if (offset > bytes.size() || size > bytes.size() - offset || size < kInfoHeader) {
        return std::nullopt;
    }
    const std::string_view image = bytes.substr(offset, size);
    const auto width = static_cast<std::int32_t>(ReadLittle(image, 4, 4));
    const auto doubledHeight = static_cast<std::int32_t>(ReadLittle(image, 8, 4));
    if (ReadLittle(image, 0, 4) != kInfoHeader || ReadLittle(image, 14, 2) != 32 ||
        ReadLittle(image, 16, 4) != 0 || width <= 0 || width > 1024 || doubledHeight <= 0 ||
        doubledHeight > 2048 || doubledHeight % 2 != 0) {
        return std::nullopt; // a PNG, another depth, a compressed or top-down bitmap
    }
    const int height = doubledHeight / 2;
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    if (image.size() - kInfoHeader < rowBytes * static_cast<std::size_t>(height)) {
        return std::nullopt;
    }
    Pixels pixels;
    pixels.width = width;
    pixels.height = height;
    pixels.transparent = true;
    pixels.argb.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int row = 0; row < height; ++row) { // stored from the bottom row up
        const std::size_t from = kInfoHeader + static_cast<std::size_t>(height - 1 - row) * rowBytes;
        for (int column = 0; column < width; ++column) {
            const std::size_t at = from + static_cast<std::size_t>(column) * 4;
            const auto byte = [&](std::size_t i) {
                return static_cast<std::uint32_t>(static_cast<unsigned char>(image[at + i]));
            };
            pixels.argb[static_cast<std::size_t>(row) * static_cast<std::size_t>(width) +
                        static_cast<std::size_t>(column)] =
                (byte(3) << 24) | (byte(2) << 16) | (byte(1) << 8) | byte(0);
        }
    }
    return pixels;
}

} // namespace orbisk::pictures
