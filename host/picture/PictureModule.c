/*
 * PictureModule.c — libvyn_picture.so: SVG drawn as PNG by librsvg and cairo,
 * and text measured by cairo's fonts, behind the table of PictureModule.h.
 * The only code of the project that links those libraries.
 */
#include "PictureModule.h"

#include <cairo.h>
#include <librsvg/rsvg.h>

#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

typedef struct PngBuffer {
    unsigned char *bytes;
    size_t length;
    size_t capacity;
} PngBuffer;

static cairo_status_t appendBytes(void *closure, const unsigned char *data, unsigned int length) {
    PngBuffer *buffer = closure;
    if (buffer->capacity - buffer->length < length) {
        size_t capacity = buffer->capacity ? buffer->capacity : 65536;
        while (capacity - buffer->length < length)
            capacity *= 2;
        unsigned char *grown = realloc(buffer->bytes, capacity);
        if (!grown) return CAIRO_STATUS_NO_MEMORY;
        buffer->bytes = grown;
        buffer->capacity = capacity;
    }
    memcpy(buffer->bytes + buffer->length, data, length);
    buffer->length += length;
    return CAIRO_STATUS_SUCCESS;
}

/* "what: librsvg's reason", or `what` alone without a reason; consumes `error`. */
static char *sentence(const char *what, GError *error) {
    const char *reason = error ? error->message : NULL;
    const size_t size = strlen(what) + (reason ? 2 + strlen(reason) : 0) + 1;
    char *text = malloc(size);
    if (text) snprintf(text, size, reason ? "%s: %s" : "%s", what, reason);
    if (error) g_error_free(error);
    return text;
}

/* The biggest picture drawn: past it a picture is refused, not drawn (a
 * mistaken scale would otherwise ask for gigabytes). */
#define kMaxPictureSide 16384.0
#define kMaxPicturePixels 200e6

static int drawn(RsvgHandle *handle, double width, double height, double scale, unsigned char **png,
                 size_t *pngLength, char **error) {
    const double fw = ceil(width * scale), fh = ceil(height * scale);
    if (!(fw <= kMaxPictureSide && fh <= kMaxPictureSide && fw * fh <= kMaxPicturePixels)) {
        char text[200];
        snprintf(text, sizeof text,
                 "the picture would be %.0f x %.0f pixels, past the limit of %.0f pixels a side and %.0f "
                 "megapixels; draw it smaller",
                 fw, fh, kMaxPictureSide, kMaxPicturePixels / 1e6);
        *error = sentence(text, NULL);
        return 0;
    }
    const int pw = (int)fw, ph = (int)fh;
    cairo_surface_t *surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, pw > 1 ? pw : 1, ph > 1 ? ph : 1);
    cairo_t *cr = cairo_create(surface);
    cairo_scale(cr, scale, scale);
    const RsvgRectangle viewport = {0, 0, width, height};
    GError *failure = NULL;
    PngBuffer buffer = {NULL, 0, 0};
    int done = 0;
    if (!rsvg_handle_render_document(handle, cr, &viewport, &failure))
        *error = sentence("the picture cannot be drawn", failure);
    else if (cairo_surface_write_to_png_stream(surface, appendBytes, &buffer) != CAIRO_STATUS_SUCCESS)
        *error = sentence("the picture cannot be encoded as PNG", NULL);
    else {
        *png = buffer.bytes;
        *pngLength = buffer.length;
        buffer.bytes = NULL;
        done = 1;
    }
    free(buffer.bytes);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return done;
}

/* The size a document is drawn at: its width and height in pixels at 96
 * dots per inch or, without an absolute width and height (only a viewBox,
 * or percentages), the viewBox's size in user units, as a browser shows a
 * standalone file. */
static int documentSize(RsvgHandle *handle, double *width, double *height) {
    rsvg_handle_set_dpi(handle, 96);
    if (!rsvg_handle_get_intrinsic_size_in_pixels(handle, width, height)) {
        gboolean hasWidth = FALSE, hasHeight = FALSE, hasViewBox = FALSE;
        RsvgLength w, h;
        RsvgRectangle viewBox = {0, 0, 0, 0};
        rsvg_handle_get_intrinsic_dimensions(handle, &hasWidth, &w, &hasHeight, &h, &hasViewBox, &viewBox);
        *width = hasViewBox ? viewBox.width : 0;
        *height = hasViewBox ? viewBox.height : 0;
    }
    return *width > 0 && *height > 0;
}

static RsvgHandle *readDocument(const char *svg, size_t length, char **error) {
    GError *failure = NULL;
    RsvgHandle *handle = rsvg_handle_new_from_data((const guint8 *)svg, length, &failure);
    if (!handle) *error = sentence("the picture's SVG cannot be read", failure);
    return handle;
}

static int svgSize(const char *svg, size_t length, double *width, double *height, char **error) {
    *width = *height = 0;
    *error = NULL;
    RsvgHandle *handle = readDocument(svg, length, error);
    if (!handle) return 0;
    const int sized = documentSize(handle, width, height);
    if (!sized) *error = sentence("the picture's SVG has no size", NULL);
    g_object_unref(handle);
    return sized;
}

static int svgToPng(const char *svg, size_t length, double scale, unsigned char **png, size_t *pngLength,
                    char **error) {
    *png = NULL;
    *pngLength = 0;
    *error = NULL;
    RsvgHandle *handle = readDocument(svg, length, error);
    if (!handle) return 0;
    double width = 0, height = 0;
    int done = 0;
    if (!documentSize(handle, &width, &height))
        *error = sentence("the picture's SVG has no size", NULL);
    else
        done = drawn(handle, width, height, scale, png, pngLength, error);
    g_object_unref(handle);
    return done;
}

static double textAdvance(const char *utf8, const char *family, double size, int bold, int italic) {
    cairo_surface_t *surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    cairo_t *cr = cairo_create(surface);
    cairo_select_font_face(cr, family, italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t extents = {0, 0, 0, 0, 0, 0};
    cairo_text_extents(cr, utf8, &extents);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return extents.x_advance;
}

static void release(void *bytes) { free(bytes); }

__attribute__((visibility("default"))) const VynPictureModule *vyn_picture_module(void) {
    static const VynPictureModule table = {
        .version = kVynPictureModuleVersion,
        .svgToPng = svgToPng,
        .svgSize = svgSize,
        .textAdvance = textAdvance,
        .release = release,
    };
    return &table;
}
