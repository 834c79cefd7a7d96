// The icon, logo and cursor files written by tools/make-pictures.py: their bytes, and what they show.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace velkorin {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Rgb = std::array<int, 3>;

Bytes ReadPicture(const char* name) {
    std::ifstream in(std::string(VELKORIN_PICTURES_DIR) + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

unsigned U16(const Bytes& b, size_t at) { return b.at(at) | b.at(at + 1) << 8; }
std::uint32_t U32(const Bytes& b, size_t at) { return U16(b, at) | std::uint32_t(U16(b, at + 2)) << 16; }

// One image of an icon or cursor file: BITMAPINFOHEADER, palette, XOR rows and AND rows, bottom-up.
struct Dib {
    const Bytes& f;
    size_t at;
    unsigned Width() const { return U32(f, at + 4); }
    unsigned Rows() const { return U32(f, at + 8) / 2; }
    unsigned Bpp() const { return U16(f, at + 14); }
    size_t Colours() const { return U32(f, at + 32) ? U32(f, at + 32) : size_t(1) << Bpp(); }
    size_t XorAt() const { return at + 40 + 4 * Colours(); }
    size_t XorStride() const { return (Width() * Bpp() + 31) / 32 * 4; }
    size_t AndAt() const { return XorAt() + XorStride() * Rows(); }
    size_t AndStride() const { return (Width() + 31) / 32 * 4; }
    size_t End() const { return AndAt() + AndStride() * Rows(); }
    unsigned Index(unsigned x, unsigned y) const {
        unsigned bit = x * Bpp(), byte = f.at(XorAt() + (Rows() - 1 - y) * XorStride() + bit / 8);
        return byte >> (8 - Bpp() - bit % 8) & ((1u << Bpp()) - 1);
    }
    bool Clear(unsigned x, unsigned y) const {
        return f.at(AndAt() + (Rows() - 1 - y) * AndStride() + x / 8) >> (7 - x % 8) & 1;
    }
    Rgb Colour(unsigned i) const { return {f.at(at + 42 + 4 * i), f.at(at + 41 + 4 * i), f.at(at + 40 + 4 * i)}; }
};

// Counts of opaque colours, and of transparent pixels (whose colour must be black so XOR keeps the screen).
std::map<Rgb, int> OpaqueColours(const Dib& d, int& clear) {
    std::map<Rgb, int> seen;
    clear = 0;
    for (unsigned y = 0; y < d.Rows(); ++y)
        for (unsigned x = 0; x < d.Width(); ++x) {
            if (!d.Clear(x, y)) { ++seen[d.Colour(d.Index(x, y))]; continue; }
            ++clear;
            EXPECT_EQ(d.Colour(d.Index(x, y)), (Rgb{0, 0, 0})) << x << "," << y;
        }
    return seen;
}

// Directory, one entry and one uncompressed image that fills the rest of the file exactly, mask included.
Dib OneImage(const Bytes& f, unsigned type, unsigned bpp) {
    // reserved, type, image count, width, height
    EXPECT_EQ((std::vector<unsigned>{U16(f, 0), U16(f, 2), U16(f, 4), f.at(6), f.at(7)}),
              (std::vector<unsigned>{0, type, 1, 32, 32}));
    EXPECT_EQ(f.at(8), bpp == 8 ? 0 : 1 << bpp);  // bColorCount
    EXPECT_EQ(U32(f, 14), f.size() - 22);
    EXPECT_EQ(U32(f, 18), 22u);
    Dib d{f, 22};
    EXPECT_EQ(U32(f, 22), 40u);
    EXPECT_EQ(d.Width(), 32u);
    EXPECT_EQ(U32(f, 30), 64u);  // XOR and AND halves
    EXPECT_EQ(d.Bpp(), bpp);
    EXPECT_EQ(U32(f, 38), 0u);  // uncompressed
    EXPECT_EQ(d.Colours(), size_t(1) << bpp);
    EXPECT_EQ(d.End(), f.size());
    return d;
}

TEST(PictureFiles, IconHasOne32x32ImageWith256ColoursAndAMask) {
    Bytes f = ReadPicture("Velkorin.ico");
    ASSERT_EQ(f.size(), 22u + 40 + 1024 + 1024 + 128);
    Dib d = OneImage(f, 1, 8);
    EXPECT_EQ(U16(f, 10), 1u);  // planes
    EXPECT_EQ(U16(f, 12), 8u);  // bits per pixel
    int clear = 0;
    std::map<Rgb, int> colours = OpaqueColours(d, clear);
    EXPECT_GT(clear, 0);
    EXPECT_GT(colours.size(), 3u);
    for (unsigned c : {0u, 31u}) EXPECT_TRUE(d.Clear(c, 0) && d.Clear(c, 31)) << c;
    int green = 0;  // the check mark
    for (const auto& [rgb, n] : colours)
        if (rgb[1] > rgb[0] + 60 && rgb[1] > rgb[2] + 60) green += n;
    EXPECT_GT(green, 30);
}

TEST(PictureFiles, CursorIsA16ColourHandWithItsHotSpotAtTheFingertip) {
    Bytes f = ReadPicture("hand.cur");
    ASSERT_EQ(f.size(), 22u + 40 + 64 + 512 + 128);
    Dib d = OneImage(f, 2, 4);
    EXPECT_EQ(U16(f, 10), 0u);  // hot spot x
    EXPECT_EQ(U16(f, 12), 0u);  // hot spot y
    int clear = 0;
    std::map<Rgb, int> colours = OpaqueColours(d, clear);
    EXPECT_GT(colours[(Rgb{255, 255, 255})], 100);
    EXPECT_GT(colours[(Rgb{0, 0, 0})], 50);
    EXPECT_GT(clear, 32 * 32 / 2);
    int near = 0;  // the fingertip sits in the top-left corner
    for (unsigned y = 0; y < 5; ++y)
        for (unsigned x = 0; x < 5; ++x) near += !d.Clear(x, y);
    EXPECT_GE(near, 10);
    EXPECT_FALSE(d.Clear(1, 0));
    EXPECT_TRUE(d.Clear(31, 31));
}

// GIF LZW: variable-width codes, least significant bit first.
std::vector<int> Unlzw(const Bytes& data, int minSize) {
    const int clear = 1 << minSize, end = clear + 1;
    std::vector<std::vector<int>> table;
    std::vector<int> out, prev;
    size_t bit = 0;
    int width = minSize + 1;
    while (bit + width <= data.size() * 8) {
        int code = 0;
        for (int i = 0; i < width; ++i, ++bit) code |= (data[bit / 8] >> bit % 8 & 1) << i;
        if (code == clear) {
            table.assign(clear + 2, {});
            for (int i = 0; i < clear; ++i) table[i] = {i};
            width = minSize + 1;
            prev.clear();
            continue;
        }
        if (code == end) return out;
        if (table.empty() || code > int(table.size()) || (prev.empty() && code >= clear)) break;
        std::vector<int> entry = code < int(table.size()) ? table[code] : prev;
        if (code == int(table.size())) entry.push_back(prev.at(0));
        out.insert(out.end(), entry.begin(), entry.end());
        if (!prev.empty()) {
            prev.push_back(entry[0]);
            table.push_back(prev);
            if (table.size() == size_t(1) << width && width < 12) ++width;
        }
        prev = entry;
    }
    ADD_FAILURE() << "LZW stream without an end code";
    return out;
}

TEST(PictureFiles, LogoIsA16x16GifWithTransparentIndex34) {
    Bytes f = ReadPicture("logo.gif");
    ASSERT_GE(f.size(), 13u + 768);
    EXPECT_EQ(std::string(f.begin(), f.begin() + 6), "GIF89a");
    EXPECT_EQ(U16(f, 6), 16u);
    EXPECT_EQ(U16(f, 8), 16u);
    EXPECT_EQ(f[10] & 0x87, 0x87);  // global table of 2^(7+1) entries
    auto colour = [&](int i) { return Rgb{f[13 + 3 * i], f[14 + 3 * i], f[15 + 3 * i]}; };
    size_t p = 13 + 768;
    int images = 0, transparent = -1, delay = -1;
    std::vector<int> pixels;
    while (p < f.size() && f[p] != 0x3B) {
        if (f[p] == 0x21) {
            if (f.at(p + 1) == 0xF9) {
                EXPECT_EQ(f.at(p + 2), 4);
                if (f.at(p + 3) & 1) transparent = f.at(p + 6);
                delay = int(U16(f, p + 4));
            }
            for (p += 2; f.at(p); p += f[p] + 1) {}
            ++p;
        } else {
            ASSERT_EQ(f[p], 0x2C) << "unknown block at " << p;
            ++images;
            EXPECT_EQ(U32(f, p + 1), 0u);  // at 0,0
            EXPECT_EQ(U16(f, p + 5), 16u);
            EXPECT_EQ(U16(f, p + 7), 16u);
            EXPECT_EQ(f.at(p + 9), 0);     // no local table, not interlaced
            EXPECT_EQ(f.at(p + 10), 8);    // minimum code size
            Bytes data;
            for (p += 11; f.at(p); p += f[p] + 1) data.insert(data.end(), &f[p + 1], &f.at(p + f[p]) + 1);
            ++p;
            pixels = Unlzw(data, 8);
        }
    }
    ASSERT_EQ(p + 1, f.size()) << "trailer missing or not last";
    EXPECT_EQ(images, 1);
    EXPECT_EQ(transparent, 34);
    EXPECT_EQ(delay, 0);
    ASSERT_EQ(pixels.size(), 256u);
    for (int corner : {0, 15, 240, 255}) EXPECT_EQ(pixels[corner], 34);
    for (int i = 0; i < 256; ++i) EXPECT_TRUE(i == 34 || colour(i) != colour(34)) << i;  // stands alone
    std::map<Rgb, int> shown;
    for (int v : pixels)
        if (v != 34) ++shown[colour(v)];
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_GT(shown[(Rgb{59, 89, 152})], 2 * shown[(Rgb{255, 255, 255})]);
    EXPECT_GT(shown[(Rgb{255, 255, 255})], 20);
}

}  // namespace
}  // namespace velkorin
