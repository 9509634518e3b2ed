// The picture module as the host opens it: a module that cannot be opened is
// refused with a sentence naming it and the system loader's reason, and the
// module's own failures come back as the sentences the host always gave.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "picture/Picture.h"
#include "picture/PictureModuleLoader.h"

namespace vyn::host::testing {
namespace {

std::string refusal(const std::string &module) {
    try {
        loadPictureModule(module);
    } catch (const std::runtime_error &e) {
        return e.what();
    }
    return "(opened)";
}

TEST(PictureModuleLoader, RefusesAModuleItCannotUseSayingWhy) {
    struct Case {
        const char *module, *reason;
    };
    const Case cases[] = {
        {"libvyn_picture_missing.so", "cannot open shared object file"},
        {"libvyn_platform.so", "undefined symbol: vyn_picture_module"}, // no entry point
    };
    for (const Case &c : cases) {
        const std::string said = refusal(c.module);
        EXPECT_EQ(said.rfind(std::string("cannot load the picture renderer ") + c.module + ": ", 0), 0u)
            << said;
        EXPECT_NE(said.find(c.reason), std::string::npos) << said;
    }
    EXPECT_EQ(pictureModule().version, kVynPictureModuleVersion);
}

TEST(PictureModuleLoader, TheModulesFailuresComeBackAsSentences) {
    try {
        svgToPng("<svg", 1.0);
        FAIL() << "an unfinished SVG was drawn";
    } catch (const std::runtime_error &e) {
        EXPECT_EQ(std::string(e.what()).rfind("the picture's SVG cannot be read: ", 0), 0u) << e.what();
    }
}

} // namespace
} // namespace vyn::host::testing
