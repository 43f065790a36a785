// The vector writers: one Cairo drawing onto an SVG, PDF or PostScript surface. Cairo is opened
// on first use, as libtiff is: it brings pixman, libpng, fontconfig and FreeType with it, which
// no run that writes a picture needs.
#include <cairo-pdf.h>
#include <cairo-ps.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <array>

#include "export/vector_writers.h"
#include "platform/lazy_library.h"
#include "platform/safe_file.h"
#include "platform/text_render.h"
#include "platform/utf8_text.h"

namespace tsy {
namespace {

#define TSY_CAIRO_FUNCTIONS(X)             \
    X(cairo_svg_surface_create_for_stream) \
    X(cairo_svg_surface_set_document_unit) \
    X(cairo_pdf_surface_create_for_stream) \
    X(cairo_ps_surface_create_for_stream)  \
    X(cairo_ps_surface_set_eps)            \
    X(cairo_surface_status)                \
    X(cairo_surface_finish)                \
    X(cairo_surface_destroy)               \
    X(cairo_create)                        \
    X(cairo_destroy)                       \
    X(cairo_status)                        \
    X(cairo_status_to_string)              \
    X(cairo_scale)                         \
    X(cairo_set_source_rgb)                \
    X(cairo_rectangle)                     \
    X(cairo_fill)                          \
    X(cairo_select_font_face)              \
    X(cairo_set_font_size)                 \
    X(cairo_font_extents)                  \
    X(cairo_text_extents)                  \
    X(cairo_move_to)                       \
    X(cairo_show_text)

#define TSY_CAIRO_POINTER(name) decltype(&::name) name = nullptr;
struct CairoApi {
    TSY_CAIRO_FUNCTIONS(TSY_CAIRO_POINTER)
};
#undef TSY_CAIRO_POINTER

const LazyLibrary& CairoLibrary() {
    static const LazyLibrary lib({"libcairo.so.2", "libcairo.so"});
    return lib;
}

const CairoApi* Cairo() {
    static const CairoApi* const loaded = [] {
        static CairoApi api;
        const LazyLibrary& lib = CairoLibrary();
        bool all = lib.loaded();
#define TSY_CAIRO_BIND(name) all = lib.bind(api.name, #name) && all;
        TSY_CAIRO_FUNCTIONS(TSY_CAIRO_BIND)
#undef TSY_CAIRO_BIND
        return all ? &api : nullptr;
    }();
    return loaded;
}

constexpr std::array<VectorFormat, 3> kFormats = {{
    {"SVG", ".svg", VectorKind::Svg},
    {"PDF", ".pdf", VectorKind::Pdf},
    {"EPS", ".eps", VectorKind::Eps},
}};

constexpr std::array<ExportFilter, 3> kFilters = {{
    {"SVG files", "*.svg"},
    {"PDF files", "*.pdf"},
    {"EPS files", "*.eps"},
}};

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

constexpr double kPointsPerInch = 72.0;

cairo_surface_t* CreateSurface(const CairoApi& c, VectorKind kind, double widthPt, double heightPt,
                               std::string* bytes) {
    switch (kind) {
        case VectorKind::Svg: {
            cairo_surface_t* s =
                c.cairo_svg_surface_create_for_stream(&AppendBytes, bytes, widthPt, heightPt);
            // In points, so the file states its size in physical units.
            c.cairo_svg_surface_set_document_unit(s, CAIRO_SVG_UNIT_PT);
            return s;
        }
        case VectorKind::Pdf:
            return c.cairo_pdf_surface_create_for_stream(&AppendBytes, bytes, widthPt, heightPt);
        case VectorKind::Eps: {
            cairo_surface_t* s =
                c.cairo_ps_surface_create_for_stream(&AppendBytes, bytes, widthPt, heightPt);
            c.cairo_ps_surface_set_eps(s, 1);
            return s;
        }
    }
    return nullptr;
}

// One line of text where the picture puts it: centred on its band, the top of its cell (the
// face's ascent above the baseline) on the band's top edge.
void DrawText(const CairoApi& c, cairo_t* cr, const VectorText& t) {
    const LogFont& lf = t.font.logFont();
    const int64_t em = lf.height < 0 ? -int64_t{lf.height} : lf.height;
    if (em == 0 || t.text.empty()) return;
    const ResolvedFace face = ResolveFace(t.font);
    const std::string family = face.family.empty() ? Utf16ToUtf8Text(lf.faceName) : face.family;
    c.cairo_select_font_face(cr, family.c_str(),
                             lf.italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                             lf.weight >= 600 ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    c.cairo_set_font_size(cr, static_cast<double>(em));
    const std::string utf8 = Utf16ToUtf8Text(t.text);
    cairo_font_extents_t font{};
    cairo_text_extents_t text{};
    c.cairo_font_extents(cr, &font);
    c.cairo_text_extents(cr, utf8.c_str(), &text);
    const double centre = static_cast<double>(t.bandX) + static_cast<double>(t.bandWidth) / 2;
    c.cairo_move_to(cr, centre - text.x_advance / 2, static_cast<double>(t.bandY) + font.ascent);
    c.cairo_show_text(cr, utf8.c_str());
}

void Draw(const CairoApi& c, cairo_t* cr, const VectorPicture& p) {
    // User units are the build's pixels.
    c.cairo_scale(cr, kPointsPerInch / p.dpiX, kPointsPerInch / p.dpiY);
    c.cairo_set_source_rgb(cr, 1, 1, 1);
    c.cairo_rectangle(cr, 0, 0, static_cast<double>(p.width), static_cast<double>(p.height));
    c.cairo_fill(cr);
    c.cairo_set_source_rgb(cr, 0, 0, 0);
    const double x0 = static_cast<double>(p.symbolX), y0 = static_cast<double>(p.symbolY);
    for (const PixelRect& r : DarkRectangles(p.symbol))
        c.cairo_rectangle(cr, x0 + r.x, y0 + r.y, r.width, r.height);
    c.cairo_fill(cr);
    for (const VectorText& t : p.texts) DrawText(c, cr, t);
}

}  // namespace

std::span<const VectorFormat> VectorFormats() {
    return kFormats;
}

const VectorFormat* FindVectorFormat(std::string_view extension) {
    for (const VectorFormat& format : kFormats)
        if (format.extension == extension) return &format;
    return nullptr;
}

std::span<const ExportFilter> VectorExportFilters() {
    return kFilters;
}

bool EncodeVector(VectorKind kind, const VectorPicture& picture, std::string* bytes,
                  std::string* error) {
    if (picture.empty() || !(picture.dpiX > 0) || !(picture.dpiY > 0)) {
        if (error) *error = "Nothing to Export";
        return false;
    }
    const CairoApi* c = Cairo();
    if (!c) {
        if (error) *error = CairoLibrary().MissingText("Vector output");
        return false;
    }
    std::string out;
    cairo_surface_t* surface =
        CreateSurface(*c, kind, static_cast<double>(picture.width) * kPointsPerInch / picture.dpiX,
                      static_cast<double>(picture.height) * kPointsPerInch / picture.dpiY, &out);
    cairo_t* cr = c->cairo_create(surface);
    Draw(*c, cr, picture);
    cairo_status_t status = c->cairo_status(cr);
    c->cairo_destroy(cr);
    c->cairo_surface_finish(surface);
    if (status == CAIRO_STATUS_SUCCESS) status = c->cairo_surface_status(surface);
    c->cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        if (error) *error = std::string("Cairo: ") + c->cairo_status_to_string(status);
        return false;
    }
    *bytes = std::move(out);
    return true;
}

bool WriteVectorFile(VectorKind kind, const VectorPicture& picture,
                     const std::filesystem::path& path, std::string* error) {
    std::string bytes;
    std::string reason;
    if (!EncodeVector(kind, picture, &bytes, &reason)) {
        if (error) *error = path.string() + ": " + reason;
        return false;
    }
    return SaveBytesSafely(path, bytes, error, Durability::Atomic);
}

}  // namespace tsy
