// PictureModuleLoader.h — the picture module (picture/PictureModule.h),
// opened by the system loader the first time a picture is drawn or a
// dialog's text measured, so that a run that draws nothing never maps
// librsvg, cairo and the libraries they pull in.
// See docs/host-behaviour.md, "Dialog pictures".
#pragma once

#include <string>

#include "picture/PictureModule.h"

namespace vyn::host {

// The module libvyn_picture.so in the folder libvyn_platform.so was loaded
// from. It is opened once, by the first call from any thread, and stays open
// until the process ends. Throws std::runtime_error("cannot load the picture
// renderer FOLDER/libvyn_picture.so: <why>") when it cannot be opened, lacks
// its entry point or is of another version; every later call throws the
// same.
const VynPictureModule &pictureModule();

// Opens `module`, a library name or a path, as pictureModule() opens the
// usual one, and throws the same way. What it opens stays open.
const VynPictureModule &loadPictureModule(const std::string &module);

} // namespace vyn::host
