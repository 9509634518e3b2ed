// Preferences.h — the values plug-ins keep from one run of the host to the
// next, in one file per user.
//
// The file is read at the first get or put, and written whole, atomically.
// A put inside a message to a plug-in only changes the value in memory; the
// file is written once, when the outermost message returns (a Batch, which
// the host holds for every message), so a plug-in storing its settings one
// value at a time costs one save. A put outside any message is written at
// once. A file that cannot be used (not JSON, values of other types, a FIFO
// or a folder in its place, too large, unreadable) is reported, set aside
// under a name of its own so nothing in it is lost, and the host goes on as
// if no values were stored; the next save writes a new file. A save that
// fails is reported and the values stay for the rest of the run.
// See docs/host-behaviour.md, "Preferences".
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "preferences/PreferencesFile.h"

namespace vyn::host {

inline constexpr std::size_t kMaxPreferencesBytes = 1 << 20;

class Preferences {
  public:
    // Told each sentence worth a warning: "cannot read preferences FILE: ...".
    using Warn = std::function<void(const std::string &)>;

    // `makeFolder`: create the file's missing folders (mode 0700) when saving,
    // as for the default file; a file the user named must have its folder.
    // Without `persist` the file is only read: what is put stays for the
    // run and is never written, so a run cannot fail for want of a
    // writable file (and /dev/null reads as a file storing nothing).
    Preferences(std::filesystem::path file, bool makeFolder, Warn warn, bool persist = true);

    // $XDG_CONFIG_HOME/vyncolors/preferences.json, or ~/.config/... when that
    // variable is unset, empty or not an absolute path.
    static std::filesystem::path defaultFile();

    // The value stored under (prefix, key), or null. Prefix and key in UTF-8.
    const PreferenceValue *find(std::string_view prefix, std::string_view key);
    // Stores `value`, replacing a value of any kind, then saves, or leaves
    // the save to the end of the batch it is made in. A real must be finite
    // (std::invalid_argument otherwise).
    void put(std::string_view prefix, std::string_view key, PreferenceValue value);

    // While one exists, puts are not written; when the outermost ends, the
    // values put meanwhile are, once, whatever way the batch is left.
    class Batch {
      public:
        explicit Batch(Preferences &preferences) : preferences_(preferences) { ++preferences_.batchDepth_; }
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;

      private:
        Preferences &preferences_;
    };

    // Writes the values put since the last save, if any, even inside a
    // batch: the host does this when it shuts down.
    void savePending();

    const std::filesystem::path &file() const { return file_; }
    // Why the values put so far are not all in the file (a failed save, or a
    // file the host may not replace); empty when they are. Inside a batch
    // it tells of the last save, not of the values still waiting for its end.
    const std::string &unsaved() const { return unsaved_; }

  private:
    void load();
    void setAsideDamaged(const std::string &problem);
    void leaveUnused(const std::string &problem);
    void save();
    void saveFailed(const std::string &reason);

    std::filesystem::path file_;
    bool makeFolder_;
    Warn warn_;
    bool persist_;
    PreferenceValues values_;
    bool loaded_ = false;
    int batchDepth_ = 0;
    // Values put since the last save, failed or not.
    bool pending_ = false;
    // A damaged file that could not be set aside is never written over.
    bool keepFile_ = false;
    // The reason of the last failed save, so a run of puts failing alike
    // warns once.
    std::string saveFailure_;
    std::string unsaved_;
};

} // namespace vyn::host
