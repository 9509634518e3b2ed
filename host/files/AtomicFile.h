// AtomicFile.h — the one way the program writes a file.
//
// The bytes go to a temporary file in the target's own folder: one without
// a name where the file system can make one (so that a killed run leaves
// nothing behind), else one created exclusively under a short unpredictable
// name. At the end they are synced to disk, the file takes the replaced
// file's permissions and is linked in under the target's name (a new target)
// or under a temporary one renamed over the target. The target therefore changes whole or not at
// all, a name planted beside it (a symbolic link, a folder) is never
// followed or removed, and a target of the longest legal name still works.
// See docs/host-behaviour.md, "Writing files", for what happens to targets
// that are symbolic links, read-only, or not regular files.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include <sys/types.h>

#include "files/ByteSink.h"
#include "files/FileWriteError.h"

namespace vyn::host {

class AtomicFile final : public ByteSink {
  public:
    // Checks the target and creates the temporary file. A failure here is
    // kept: write() then does nothing and commit() reports it.
    explicit AtomicFile(const std::filesystem::path &target);
    // Removes the temporary file unless commit() succeeded.
    ~AtomicFile() override;
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    void write(std::string_view bytes) override;
    // The first failure so far, if any.
    const std::optional<FileWriteError> &failure() const { return failure_; }
    // Syncs, sets the mode and renames over the target. Nothing when that
    // worked; otherwise the first failure, with the temporary file removed
    // and the target as it was.
    std::optional<FileWriteError> commit();

  private:
    void open(const std::filesystem::path &target);
    // Gives the file written without a name a name in the folder; false,
    // with the failure kept, when it cannot.
    bool nameUnnamed();
    void fail(int error, std::string detail = {});
    void discard();

    std::optional<FileWriteError> failure_;
    int folder_ = -1;       // the folder of the file really written
    std::string name_;      // that file's name in it
    std::string temporary_; // the temporary file's name in it, once it has one
    bool linkedInPlace_ = false; // a new target, linked under its own name
    int file_ = -1;
    struct Replaced {
        mode_t permissions;
        uid_t owner;
        gid_t group;
    };
    std::optional<Replaced> replaced_; // what the new file keeps of the old
    bool committed_ = false;
};

// Writes `bytes` as the whole new content of `target` through an AtomicFile.
std::optional<FileWriteError> writeFileAtomically(const std::filesystem::path &target,
                                                  std::string_view bytes);

} // namespace vyn::host
