#include "picture/Picture.h"

#include <memory>
#include <stdexcept>

#include "files/AtomicFile.h"
#include "picture/PictureModuleLoader.h"

namespace vyn::host {

std::vector<unsigned char> svgToPng(std::string_view svg, double pixelsPerUnit) {
    const VynPictureModule &module = pictureModule();
    unsigned char *png = nullptr;
    std::size_t length = 0;
    char *failure = nullptr;
    const bool drawn = module.svgToPng(svg.data(), svg.size(), pixelsPerUnit, &png, &length, &failure);
    const std::unique_ptr<void, void (*)(void *)> pngHeld(png, module.release),
        failureHeld(failure, module.release);
    if (!drawn) throw std::runtime_error(failure ? failure : "the picture cannot be drawn: out of memory");
    return {png, png + length};
}

std::pair<double, double> svgPixelSize(std::string_view svg) {
    const VynPictureModule &module = pictureModule();
    double width = 0, height = 0;
    char *failure = nullptr;
    const bool sized = module.svgSize(svg.data(), svg.size(), &width, &height, &failure);
    const std::unique_ptr<void, void (*)(void *)> failureHeld(failure, module.release);
    if (!sized) throw std::runtime_error(failure ? failure : "the picture has no size");
    return {width, height};
}

std::optional<FileWriteError> writePicture(std::string_view svg, const std::filesystem::path &file,
                                           double pixelsPerUnit) {
    auto failed = [](FileWriteError error) {
        error.subject = "picture";
        return error;
    };
    const std::string ext = file.extension().string();
    const bool png = ext == ".png" || ext == ".PNG";
    if (!png && ext != ".svg" && ext != ".SVG") return failed({{}, "its name must end in .svg or .png"});
    AtomicFile out(file);
    if (png) {
        std::vector<unsigned char> data;
        try {
            data = svgToPng(svg, pixelsPerUnit);
        } catch (const std::runtime_error &e) {
            return failed({{}, e.what()});
        }
        out.write({reinterpret_cast<const char *>(data.data()), data.size()});
    } else {
        out.write(svg);
    }
    if (auto failure = out.commit()) return failed(std::move(*failure));
    return std::nullopt;
}

} // namespace vyn::host
