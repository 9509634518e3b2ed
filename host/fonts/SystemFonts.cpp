#include "fonts/SystemFonts.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <tuple>

#include "fonts/FontconfigHandles.h"

namespace vyn::host {
namespace {

struct Face {
    std::string family, style, file;
    int index = 0;
    std::string name;
};

// A face may name itself in several languages: the English value when there
// is one, else the first, so the name does not depend on the user's locale.
std::string englishOrFirst(FcPattern *face, const char *object, const char *languages) {
    FcChar8 *value = nullptr;
    FcChar8 *language = nullptr;
    for (int i = 0; FcPatternGetString(face, object, i, &value) == FcResultMatch; ++i)
        if (FcPatternGetString(face, languages, i, &language) == FcResultMatch &&
            std::string_view(reinterpret_cast<const char *>(language)) == "en")
            return reinterpret_cast<const char *>(value);
    if (FcPatternGetString(face, object, 0, &value) == FcResultMatch)
        return reinterpret_cast<const char *>(value);
    return {};
}

Face describe(FcPattern *face) {
    Face f;
    f.family = englishOrFirst(face, FC_FAMILY, FC_FAMILYLANG);
    f.style = englishOrFirst(face, FC_STYLE, FC_STYLELANG);
    f.name = englishOrFirst(face, FC_FULLNAME, FC_FULLNAMELANG);
    FcChar8 *file = nullptr;
    if (FcPatternGetString(face, FC_FILE, 0, &file) == FcResultMatch)
        f.file = reinterpret_cast<const char *>(file);
    FcPatternGetInteger(face, FC_INDEX, 0, &f.index);
    if (f.name.empty())
        f.name = f.family.empty() ? f.style : f.style.empty() ? f.family : f.family + " " + f.style;
    return f;
}

} // namespace

std::optional<std::vector<std::string>> systemFontNames() {
    PatternPtr all(FcPatternCreate());
    ObjectSetPtr objects(FcObjectSetBuild(FC_FAMILY, FC_FAMILYLANG, FC_STYLE, FC_STYLELANG, FC_FULLNAME,
                                          FC_FULLNAMELANG, FC_FILE, FC_INDEX, nullptr));
    if (!all || !objects) return std::nullopt;
    FontSetPtr set(FcFontList(nullptr, all.get(), objects.get()));
    if (!set) return std::nullopt;

    std::vector<Face> faces;
    faces.reserve(static_cast<std::size_t>(set->nfont));
    for (int i = 0; i < set->nfont; ++i)
        faces.push_back(describe(set->fonts[i]));
    std::sort(faces.begin(), faces.end(), [](const Face &a, const Face &b) {
        return std::tie(a.family, a.style, a.file, a.index) < std::tie(b.family, b.style, b.file, b.index);
    });
    std::vector<std::string> names;
    names.reserve(faces.size());
    for (auto &face : faces)
        names.push_back(std::move(face.name));
    return names;
}

std::optional<std::string> systemSansSerifName() {
    PatternPtr wanted(FcNameParse(reinterpret_cast<const FcChar8 *>("sans-serif")));
    if (!wanted) return std::nullopt;
    FcConfigSubstitute(nullptr, wanted.get(), FcMatchPattern);
    FcDefaultSubstitute(wanted.get());
    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(nullptr, wanted.get(), &result));
    if (!match || result != FcResultMatch) return std::nullopt;
    std::string name = describe(match.get()).name;
    if (name.empty()) return std::nullopt;
    return name;
}

} // namespace vyn::host
