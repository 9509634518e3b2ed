/*
 * PictureModule.h — the interface of libvyn_picture.so, the module that
 * draws pictures through librsvg and cairo.
 *
 * Those libraries and the fifty-odd they pull in cost tens of milliseconds
 * for the system loader to map at every start, so the host does not link
 * them: it opens this module the first time it draws a PNG or measures a
 * dialog's text (picture/PictureModuleLoader.h). The module exports one entry
 * point, named by kVynPictureModuleEntry, that returns its table. Nothing
 * but C crosses the boundary: a failure comes back as a sentence, never as
 * an exception.
 *
 * Changes: version 1, the first.
 */
#ifndef VYN_PICTURE_MODULE_H
#define VYN_PICTURE_MODULE_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

#define kVynPictureModuleName "libvyn_picture.so"
#define kVynPictureModuleEntry "vyn_picture_module"
#define kVynPictureModuleVersion 2

typedef struct VynPictureModule {
    /* kVynPictureModuleVersion of the module's build; the host refuses any other. */
    int version;

    /*
     * Draws the SVG document `svg` (`length` bytes, not terminated) at `scale`
     * times its own size, one pixel per user unit at scale 1.
     * Returns 1 with the PNG's bytes in *png and their count in *pngLength, or
     * 0 with a sentence saying why in *error ("the picture's SVG cannot be
     * read: ..."), *png being null. Either is the caller's to give back
     * through `release`.
     */
    int (*svgToPng)(const char *svg, size_t length, double scale, unsigned char **png, size_t *pngLength,
                    char **error);

    /*
     * The size at which svgToPng draws `svg` at scale 1, in pixels, into
     * *width and *height. Returns 1, or 0 with a sentence in *error as
     * svgToPng gives it.
     */
    int (*svgSize)(const char *svg, size_t length, double *width, double *height, char **error);

    /*
     * The advance of the UTF-8 text `utf8` set in the font `family` at `size`
     * pixels, bold and italic when those are not 0, in pixels.
     */
    double (*textAdvance)(const char *utf8, const char *family, double size, int bold, int italic);

    /* Gives back the bytes or the sentence `svgToPng` handed out; null is allowed. */
    void (*release)(void *bytes);
} VynPictureModule;

typedef const VynPictureModule *(*VynPictureModuleEntryPoint)(void);

#ifdef __cplusplus
}
#endif

#endif
