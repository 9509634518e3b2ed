// FileType.h — naming what stands where a regular file was expected.
#pragma once

#include <sys/stat.h>

#include <string>

namespace vyn::host {

// "it is a FIFO, not a regular file", for refusals.
inline std::string notARegularFile(mode_t mode) {
    const char *what = S_ISDIR(mode)                    ? "a folder"
                       : S_ISFIFO(mode)                 ? "a FIFO"
                       : S_ISCHR(mode) || S_ISBLK(mode) ? "a device"
                       : S_ISSOCK(mode)                 ? "a socket"
                       : S_ISLNK(mode)                  ? "a symbolic link"
                                                        : "a special file";
    return std::string("it is ") + what + ", not a regular file";
}

} // namespace vyn::host
