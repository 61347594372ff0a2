#include "tools/snapshot/booklet_layout.h"

#include <librsvg/rsvg.h>
#include <pango/pangocairo.h>
#include <qrencode.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <memory>

const char booklet_font[] = "DejaVu Sans";

namespace {

PangoLayout* text_layout(cairo_t* cr, const std::string& text, const TextStyle& style)
{
    PangoLayout* layout = pango_cairo_create_layout(cr);
    // Advances as the font gives them, not rounded to whole points: rounded,
    // small text spreads unevenly, and a PDF reader reads gaps as spaces.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    pango_cairo_context_set_font_options(pango_layout_get_context(layout), options);
    pango_context_set_round_glyph_positions(pango_layout_get_context(layout), false);
    cairo_font_options_destroy(options);
    pango_layout_context_changed(layout);
    PangoFontDescription* font = pango_font_description_new();
    pango_font_description_set_family(font, booklet_font);
    pango_font_description_set_weight(font, style.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    // In points: the page's own units, whatever resolution pango assumes.
    pango_font_description_set_absolute_size(font, style.size * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_layout_set_alignment(layout, style.align);
    pango_layout_set_text(layout, text.c_str(), int(text.size()));
    pango_font_description_free(font);
    return layout;
}

}  // namespace

double draw_text(cairo_t* cr, const std::string& text, double x, double y, double width,
                 const TextStyle& style, bool draw)
{
    PangoLayout* layout = text_layout(cr, text, style);
    pango_layout_set_width(layout, int(width * PANGO_SCALE));
    pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
    int w = 0, h = 0;
    pango_layout_get_size(layout, &w, &h);
    if (draw) {
        cairo_save(cr);
        cairo_set_source_rgb(cr, style.grey, style.grey, style.grey);
        cairo_move_to(cr, x, y);
        pango_cairo_show_layout(cr, layout);
        cairo_restore(cr);
    }
    g_object_unref(layout);
    return double(h) / PANGO_SCALE;
}

void draw_line_of_text(cairo_t* cr, const std::string& text, double x, double y, const TextStyle& style,
                       bool upright, bool centred)
{
    PangoLayout* layout = text_layout(cr, text, style);
    int w = 0, h = 0;
    pango_layout_get_size(layout, &w, &h);
    const double width = double(w) / PANGO_SCALE, height = double(h) / PANGO_SCALE;
    cairo_save(cr);
    cairo_set_source_rgb(cr, style.grey, style.grey, style.grey);
    cairo_translate(cr, x, y);
    if (upright)
        cairo_rotate(cr, -M_PI / 2);
    cairo_move_to(cr, centred ? -width / 2 : 0, -height / 2);
    pango_cairo_show_layout(cr, layout);
    cairo_restore(cr);
    g_object_unref(layout);
}

void draw_page_text(cairo_t* cr, const PageText& t)
{
    draw_line_of_text(cr, t.text, t.x, t.y, t.style, t.upright, t.centred);
}

void draw_picture(cairo_t* cr, const Picture& picture, double x, double y, double side)
{
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.width, picture.height);
    cairo_surface_flush(image);
    unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    // cairo keeps a pixel as one native 32-bit word, 0x00RRGGBB.
    for (int row = 0; row < picture.height; ++row) {
        auto* out = reinterpret_cast<uint32_t*>(data + size_t(row) * size_t(stride));
        for (int column = 0; column < picture.width; ++column) {
            const uint8_t* p = picture.pixel(column, row);
            out[column] = uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
        }
    }
    cairo_surface_mark_dirty(image);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, side / picture.width, side / picture.height);
    cairo_set_source_surface(cr, image, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(image);
}

bool draw_qr_code(cairo_t* cr, const std::string& text, double x, double y, double side)
{
    const std::unique_ptr<QRcode, void (*)(QRcode*)> code(
        QRcode_encodeString8bit(text.c_str(), 0, QR_ECLEVEL_M), QRcode_free);
    if (!code)
        return false;
    constexpr int quiet_zone = 4;  // modules of white around the code, as readers need
    const int n = code->width, whole = n + 2 * quiet_zone;
    // A pixel a module, scaled up without smoothing: as sharp as rectangles
    // in print, and a small part of the file where 139 codes of rectangles
    // would be most of it.
    cairo_surface_t* modules = cairo_image_surface_create(CAIRO_FORMAT_RGB24, whole, whole);
    cairo_surface_flush(modules);
    unsigned char* data = cairo_image_surface_get_data(modules);
    const int stride = cairo_image_surface_get_stride(modules);
    for (int row = 0; row < whole; ++row)
        for (int column = 0; column < whole; ++column) {
            const int r = row - quiet_zone, c = column - quiet_zone;
            const bool dark = r >= 0 && r < n && c >= 0 && c < n && (code->data[r * n + c] & 1);
            reinterpret_cast<uint32_t*>(data + size_t(row) * size_t(stride))[column] = dark ? 0 : 0xffffff;
        }
    cairo_surface_mark_dirty(modules);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, side / whole, side / whole);
    cairo_set_source_surface(cr, modules, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(modules);
    return true;
}

void outline(cairo_t* cr, double x, double y, double w, double h, double width, const float* rgb)
{
    cairo_save(cr);
    cairo_set_source_rgb(cr, rgb[0], rgb[1], rgb[2]);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_rectangle(cr, x, y, w, h);
    cairo_stroke(cr);
    cairo_restore(cr);
}

bool make_vector_art(const std::string& svg, double width, double height, VectorArt& art, std::string& error)
{
    GError* problem = nullptr;
    RsvgHandle* handle =
        rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.data()), svg.size(), &problem);
    const cairo_rectangle_t extents{0, 0, width, height};
    art.reset(cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &extents));
    cairo_t* cr = cairo_create(art.get());
    const RsvgRectangle viewport{0, 0, width, height};
    const bool ok = handle && rsvg_handle_render_document(handle, cr, &viewport, &problem);
    cairo_destroy(cr);
    if (handle)
        g_object_unref(handle);
    if (!ok) {
        error = problem ? problem->message : "unknown error";
        if (problem)
            g_error_free(problem);
    }
    return ok;
}

cairo_status_t cairo_write_to(void* closure, const unsigned char* data, unsigned int length)
{
    CairoSink* sink = static_cast<CairoSink*>(closure);
    if (std::fwrite(data, 1, length, sink->stream) != length) {
        sink->error_number = errno;
        return CAIRO_STATUS_WRITE_ERROR;
    }
    return CAIRO_STATUS_SUCCESS;
}

std::string CairoSink::problem(cairo_status_t status) const
{
    return error_number ? std::strerror(error_number) : cairo_status_to_string(status);
}
