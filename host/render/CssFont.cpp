#include "render/CssFont.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <map>
#include <mutex>

#include "fonts/FontconfigHandles.h"

namespace vyn::host {
namespace {

const char *stretchWord(int width) {
    if (width <= FC_WIDTH_ULTRACONDENSED) return "ultra-condensed";
    if (width <= FC_WIDTH_EXTRACONDENSED) return "extra-condensed";
    if (width <= FC_WIDTH_CONDENSED) return "condensed";
    if (width < FC_WIDTH_NORMAL) return "semi-condensed";
    if (width == FC_WIDTH_NORMAL) return "normal";
    if (width <= FC_WIDTH_SEMIEXPANDED) return "semi-expanded";
    if (width <= FC_WIDTH_EXPANDED) return "expanded";
    if (width <= FC_WIDTH_EXTRAEXPANDED) return "extra-expanded";
    return "ultra-expanded";
}

CssFont describe(FcPattern *face, const std::string &name) {
    CssFont font;
    FcChar8 *family = nullptr;
    font.family = FcPatternGetString(face, FC_FAMILY, 0, &family) == FcResultMatch
                      ? reinterpret_cast<const char *>(family)
                      : name;
    int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN, width = FC_WIDTH_NORMAL;
    FcPatternGetInteger(face, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(face, FC_SLANT, 0, &slant);
    FcPatternGetInteger(face, FC_WIDTH, 0, &width);
    // CSS knows the hundreds only.
    const int css = FcWeightToOpenType(weight);
    font.weight = css <= 0 ? 400 : std::max(100, std::min(900, (css + 50) / 100 * 100));
    font.style = slant == FC_SLANT_ITALIC ? "italic" : slant == FC_SLANT_OBLIQUE ? "oblique" : "normal";
    font.stretch = stretchWord(width);
    return font;
}

CssFont lookUp(const std::string &name) {
    PatternPtr wanted(FcPatternCreate());
    ObjectSetPtr objects(FcObjectSetBuild(FC_FAMILY, FC_WEIGHT, FC_SLANT, FC_WIDTH, nullptr));
    if (wanted && objects &&
        FcPatternAddString(wanted.get(), FC_FULLNAME, reinterpret_cast<const FcChar8 *>(name.c_str()))) {
        FontSetPtr faces(FcFontList(nullptr, wanted.get(), objects.get()));
        if (faces && faces->nfont > 0) return describe(faces->fonts[0], name);
    }
    return CssFont{name};
}

} // namespace

CssFont cssFontNamed(const std::string &name) {
    static std::mutex guard;
    static std::map<std::string, CssFont> known;
    const std::lock_guard lock(guard);
    auto found = known.find(name);
    if (found == known.end()) found = known.emplace(name, lookUp(name)).first;
    return found->second;
}

} // namespace vyn::host
