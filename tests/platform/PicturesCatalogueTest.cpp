#include <algorithm>
#include <cstdint>
#include <optional>
#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include <QDir>
#include <QStringList>

#include "platform/Resources.h"

using namespace Qt::StringLiterals;

namespace {

enum class Kind { Gif, Jpeg };

struct Picture {
    int id;
    Kind kind;
    int width;
    int height;
};

// Every picture a window may ask for.
const std::vector<Picture> BuiltIn = {
    {101, Kind::Gif, 139, 25},   {102, Kind::Gif, 95, 17},    {103, Kind::Gif, 285, 363},
    {106, Kind::Gif, 330, 38},   {110, Kind::Gif, 296, 38},   {111, Kind::Jpeg, 50, 225},
    {112, Kind::Jpeg, 50, 225},  {113, Kind::Jpeg, 50, 365},  {117, Kind::Jpeg, 449, 52},
    {119, Kind::Jpeg, 150, 35},  {120, Kind::Gif, 68, 13},    {121, Kind::Gif, 68, 13},
    {122, Kind::Gif, 125, 15},   {123, Kind::Gif, 125, 15},   {124, Kind::Gif, 36, 14},
    {125, Kind::Gif, 62, 15},    {126, Kind::Gif, 55, 13},    {130, Kind::Gif, 110, 15},
    {131, Kind::Gif, 140, 14},   {132, Kind::Gif, 290, 24},   {135, Kind::Gif, 290, 24},
    {136, Kind::Gif, 290, 11},   {137, Kind::Jpeg, 143, 17},  {143, Kind::Gif, 202, 12},
    {144, Kind::Gif, 241, 12},   {157, Kind::Gif, 312, 36},   {159, Kind::Jpeg, 139, 25},
    {160, Kind::Gif, 312, 36},   {162, Kind::Jpeg, 155, 26},  {163, Kind::Jpeg, 152, 142},
    {164, Kind::Jpeg, 152, 154}, {165, Kind::Jpeg, 152, 126}, {171, Kind::Jpeg, 285, 36},
    {172, Kind::Gif, 337, 123},
};

// Names the test cases by what they check.
void PrintTo(const Picture& p, std::ostream* os) {
    *os << p.id << (p.kind == Kind::Gif ? " GIF " : " JPEG ") << p.width << "x" << p.height;
}

int byteAt(const QByteArray& b, qsizetype i) {
    return i < b.size() ? static_cast<std::uint8_t>(b[i]) : -1;
}
int le16(const QByteArray& b, qsizetype i) {
    return byteAt(b, i) | (byteAt(b, i + 1) << 8);
}
int be16(const QByteArray& b, qsizetype i) {
    return (byteAt(b, i) << 8) | byteAt(b, i + 1);
}

// What the block structure of a GIF file says; nullopt when the blocks do not parse.
struct GifLayout {
    int width = 0;
    int height = 0;
    int images = 0;
    int transparentImages = 0; // images whose control block names a transparent colour
    bool fullFrame = true;     // every image covers the whole screen
};

std::optional<GifLayout> parseGif(const QByteArray& b) {
    if (!b.startsWith("GIF89a") || b.size() < 13) {
        return std::nullopt;
    }
    GifLayout g;
    g.width = le16(b, 6);
    g.height = le16(b, 8);
    qsizetype i = 13;
    if (byteAt(b, 10) & 0x80) {
        i += 3 * (2 << (byteAt(b, 10) & 7));
    }
    const auto skipSubBlocks = [&] {
        while (byteAt(b, i) > 0) {
            i += byteAt(b, i) + 1;
        }
        return byteAt(b, i++) == 0;
    };
    bool pendingTransparency = false;
    while (true) {
        const int block = byteAt(b, i);
        if (block == 0x3B) {
            return g;
        }
        if (block == 0x21) {
            const int label = byteAt(b, i + 1);
            i += 2;
            if (label == 0xF9) {
                pendingTransparency = (byteAt(b, i + 1) & 1) != 0;
            }
            if (!skipSubBlocks()) {
                return std::nullopt;
            }
        } else if (block == 0x2C) {
            ++g.images;
            g.transparentImages += pendingTransparency ? 1 : 0;
            pendingTransparency = false;
            g.fullFrame = g.fullFrame && le16(b, i + 1) == 0 && le16(b, i + 3) == 0 &&
                          le16(b, i + 5) == g.width && le16(b, i + 7) == g.height;
            const int flags = byteAt(b, i + 9);
            i += 10;
            if (flags & 0x80) {
                i += 3 * (2 << (flags & 7));
            }
            ++i; // LZW code size
            if (!skipSubBlocks()) {
                return std::nullopt;
            }
        } else {
            return std::nullopt;
        }
    }
}

// The markers of a JPEG file up to its first scan.
struct JpegLayout {
    bool jfif = false; // APP0 "JFIF" right after SOI
    std::vector<int> frameMarkers;
    int width = 0;
    int height = 0;
    int components = 0;
};

std::optional<JpegLayout> parseJpeg(const QByteArray& b) {
    if (byteAt(b, 0) != 0xFF || byteAt(b, 1) != 0xD8) {
        return std::nullopt;
    }
    JpegLayout j;
    j.jfif = byteAt(b, 3) == 0xE0 && b.mid(6, 5) == QByteArray("JFIF\0", 5);
    qsizetype i = 2;
    while (true) {
        if (byteAt(b, i) != 0xFF) {
            return std::nullopt;
        }
        const int marker = byteAt(b, i + 1);
        if (marker == 0xDA) {
            return j;
        }
        // Start of frame: C0 to CF, except DHT (C4), JPG (C8) and DAC (CC).
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            j.frameMarkers.push_back(marker);
            j.height = be16(b, i + 5);
            j.width = be16(b, i + 7);
            j.components = byteAt(b, i + 9);
        }
        const int length = be16(b, i + 2);
        if (length < 2) {
            return std::nullopt;
        }
        i += 2 + length;
    }
}

class Catalogue : public ::testing::TestWithParam<Picture> {};

TEST_P(Catalogue, IsBuiltInInItsFormatAndSize) {
    const Picture& p = GetParam();
    const std::optional<QByteArray> bytes = kl::platform::loadCustomResource(p.id);
    ASSERT_TRUE(bytes.has_value());
    if (p.kind == Kind::Gif) {
        const std::optional<GifLayout> gif = parseGif(*bytes);
        ASSERT_TRUE(gif.has_value()) << "not a well-formed GIF89a file";
        EXPECT_EQ(gif->width, p.width);
        EXPECT_EQ(gif->height, p.height);
        EXPECT_EQ(gif->images, 1);
        EXPECT_TRUE(gif->fullFrame);
        EXPECT_EQ(gif->transparentImages, 1) << "needs one transparent colour";
    } else {
        const std::optional<JpegLayout> jpeg = parseJpeg(*bytes);
        ASSERT_TRUE(jpeg.has_value()) << "not a well-formed JPEG file";
        EXPECT_TRUE(jpeg->jfif);
        EXPECT_EQ(jpeg->frameMarkers, std::vector<int>{0xC0}) << "baseline only, one frame";
        EXPECT_EQ(jpeg->width, p.width);
        EXPECT_EQ(jpeg->height, p.height);
        EXPECT_EQ(jpeg->components, 3);
    }
}

INSTANTIATE_TEST_SUITE_P(Pictures, Catalogue, ::testing::ValuesIn(BuiltIn),
                         [](const ::testing::TestParamInfo<Picture>& info) {
                             return std::to_string(info.param.id);
                         });

TEST(PicturesResources, HoldExactlyTheCatalogue) {
    (void)kl::platform::loadCustomResource(101); // registers the pictures
    const QStringList stored = QDir(u":/CUSTOM"_s).entryList(QDir::Files);
    std::vector<int> ids;
    for (const QString& name : stored) {
        ids.push_back(name.toInt());
    }
    std::sort(ids.begin(), ids.end());
    std::vector<int> expected;
    for (const Picture& p : BuiltIn) {
        expected.push_back(p.id);
    }
    EXPECT_EQ(ids, expected);
}

TEST(PicturesResources, BannersOfTopMenuAndMainWindowsAreTheSamePicture) {
    const std::optional<QByteArray> main = kl::platform::loadCustomResource(157);
    const std::optional<QByteArray> top = kl::platform::loadCustomResource(160);
    ASSERT_TRUE(main && top);
    EXPECT_EQ(*main, *top);
}

TEST(PicturesResources, UnknownIdOrTypeIsReportedMissing) {
    for (const int id : {0, -101, 100, 104, 118, 161, 173, 999}) {
        EXPECT_FALSE(kl::platform::loadCustomResource(id).has_value()) << id;
    }
    EXPECT_FALSE(kl::platform::loadResource(u"BITMAP", 101).has_value());
    EXPECT_FALSE(kl::platform::loadResource(u"", 101).has_value());
    EXPECT_FALSE(kl::platform::loadResource(u"CUSTOM/..", 101).has_value());
}

} // namespace
