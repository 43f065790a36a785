// Record layouts follow the published WMF format: every record is a 32-bit size in 16-bit
// words, a 16-bit function number and its parameters; coordinates are signed 16-bit.
#include "imaging/metafile.h"

#include <cmath>

#include "imaging/dib_header.h"
#include "imaging/raster_limits.h"
#include "platform/error_text.h"
#include "platform/le_bytes.h"
#include "platform/safe_file.h"

namespace tsy {
namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr uint16_t kMetaSetMapMode = 0x0103;
constexpr uint16_t kMetaSetStretchBltMode = 0x0107;
constexpr uint16_t kMetaSetWindowOrg = 0x020B;
constexpr uint16_t kMetaSetWindowExt = 0x020C;
constexpr uint16_t kMetaSetViewportOrg = 0x020D;
constexpr uint16_t kMetaSetViewportExt = 0x020E;
constexpr uint16_t kMetaDibStretchBlt = 0x0B41;
constexpr uint16_t kMetaEof = 0x0000;
constexpr uint16_t kMmAnisotropic = 8;
constexpr uint16_t kColorOnColor = 3;
constexpr uint32_t kSrcCopy = 0x00CC0020;

// A record of 16-bit parameters, given in file order.
void Record(std::vector<uint8_t>& out, uint16_t function, std::initializer_list<uint16_t> params) {
    PutLe32(out, static_cast<uint32_t>(3 + params.size()));
    PutLe16(out, function);
    for (uint16_t p : params) PutLe16(out, p);
}

// BITMAPINFOHEADER and 24-bit bottom-up BGR rows padded to 4 bytes.
void PutDib(std::vector<uint8_t>& out, const RgbImage& image) {
    const uint32_t stride = DibStride24(image.width);
    PutDibHeader24(out, image.width, image.height, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        const uint8_t* in = image.row(y);
        for (int x = 0; x < image.width; ++x) {
            out.push_back(in[3 * x + 2]);
            out.push_back(in[3 * x + 1]);
            out.push_back(in[3 * x]);
        }
        for (uint32_t pad = static_cast<uint32_t>(image.width) * 3; pad < stride; ++pad) {
            out.push_back(0);
        }
    }
}

void DibStretchBlt(std::vector<uint8_t>& out, const RgbImage& image, uint16_t w, uint16_t h) {
    const std::size_t start = out.size();
    PutLe32(out, 0);  // size, patched below
    PutLe16(out, kMetaDibStretchBlt);
    PutLe32(out, kSrcCopy);
    PutLe16(out, static_cast<uint16_t>(image.height));  // source height, width, y, x
    PutLe16(out, static_cast<uint16_t>(image.width));
    PutLe16(out, 0);
    PutLe16(out, 0);
    PutLe16(out, h);  // destination height, width, y, x
    PutLe16(out, w);
    PutLe16(out, 0);
    PutLe16(out, 0);
    PutDib(out, image);
    const auto words = static_cast<uint32_t>((out.size() - start) / 2);
    for (int i = 0; i < 4; ++i) out[start + i] = static_cast<uint8_t>(words >> (8 * i));
}

bool SourceOk(const RgbImage& image) {
    return PictureSizeOk(image.width, image.height) &&
           image.pixels.size() >= image.rowBytes() * static_cast<std::size_t>(image.height);
}

// Truncated drawn size, or -1 when it does not fit a positive 16-bit coordinate.
int DrawnSize(int pixels, double scale) {
    const double drawn = std::trunc(pixels * scale);
    if (!(drawn >= 1.0 && drawn <= static_cast<double>(kMaxRasterSide))) return -1;
    return static_cast<int>(drawn);
}

}  // namespace

int CMetafile::Create(const RgbImage& source, double scaleX, double scaleY, int dpiX) {
    records_.clear();
    header_ = {};
    drawnWidth_ = drawnHeight_ = 0;
    if (!SourceOk(source) || dpiX < 1 || dpiX > 0xFFFF) return 0;
    const int w = DrawnSize(source.width, scaleX);
    const int h = DrawnSize(source.height, scaleY);
    if (w < 0 || h < 0) return 0;
    const auto w16 = static_cast<uint16_t>(w);
    const auto h16 = static_cast<uint16_t>(h);

    std::vector<uint8_t> body;
    Record(body, kMetaSetMapMode, {kMmAnisotropic});
    // Window and viewport parameters are stored y first.
    Record(body, kMetaSetWindowExt, {h16, w16});
    Record(body, kMetaSetViewportExt, {h16, w16});
    Record(body, kMetaSetWindowOrg, {0, 0});
    Record(body, kMetaSetViewportOrg, {0, 0});
    Record(body, kMetaSetStretchBltMode, {kColorOnColor});
    const std::size_t bltStart = body.size();
    DibStretchBlt(body, source, w16, h16);
    const auto largest = static_cast<uint32_t>((body.size() - bltStart) / 2);
    Record(body, kMetaEof, {});

    records_.reserve(18 + body.size());
    PutLe16(records_, 1);       // memory metafile
    PutLe16(records_, 9);       // header size in words
    PutLe16(records_, 0x0300);  // version
    PutLe32(records_, static_cast<uint32_t>((18 + body.size()) / 2));
    PutLe16(records_, 0);  // objects
    PutLe32(records_, largest);
    PutLe16(records_, 0);
    records_.insert(records_.end(), body.begin(), body.end());

    const uint16_t words[10] = {static_cast<uint16_t>(kPlaceableKey & 0xFFFF),
                                static_cast<uint16_t>(kPlaceableKey >> 16),
                                0,
                                0,
                                0,
                                w16,
                                h16,
                                static_cast<uint16_t>(dpiX),
                                0,
                                0};
    uint16_t checksum = 0;
    for (int i = 0; i < 10; ++i) {
        header_[2 * i] = static_cast<uint8_t>(words[i] & 0xFF);
        header_[2 * i + 1] = static_cast<uint8_t>(words[i] >> 8);
        checksum ^= words[i];
    }
    header_[20] = static_cast<uint8_t>(checksum & 0xFF);
    header_[21] = static_cast<uint8_t>(checksum >> 8);
    drawnWidth_ = w;
    drawnHeight_ = h;
    return 1;
}

std::string CMetafile::Bytes() const {
    if (records_.empty()) return {};
    std::string bytes(header_.begin(), header_.end());
    bytes.append(records_.begin(), records_.end());
    return bytes;
}

bool CMetafile::Write(const std::filesystem::path& path, std::string* error) const {
    if (records_.empty()) {
        return Fail(error, "The metafile holds no picture.");
    }
    return SaveFileSafely(
        path,
        [&](std::FILE* f) {
            return std::fwrite(header_.data(), 1, header_.size(), f) == header_.size() &&
                   std::fwrite(records_.data(), 1, records_.size(), f) == records_.size();
        },
        error, Durability::Atomic);
}

}  // namespace tsy
