// FontconfigHandles.h — fontconfig's objects owned by unique_ptr, each freed
// with its own destroy function.
#pragma once

#include <fontconfig/fontconfig.h>

#include <memory>

namespace vyn::host {

template <class T, void (*Destroy)(T *)> struct FontconfigDeleter {
    void operator()(T *p) const { Destroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, FontconfigDeleter<FcPattern, FcPatternDestroy>>;
using ObjectSetPtr = std::unique_ptr<FcObjectSet, FontconfigDeleter<FcObjectSet, FcObjectSetDestroy>>;
using FontSetPtr = std::unique_ptr<FcFontSet, FontconfigDeleter<FcFontSet, FcFontSetDestroy>>;

} // namespace vyn::host
