// VyncolorsRun.h — the vyncolors program run as a user runs it, for the
// tests of the command: arguments in, text and exit status out.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>

#include "support/FileText.h"
#include "support/TempFolder.h"

namespace vyn::test {

// What a run printed and its exit status (-1: it did not exit).
struct Outcome {
    int status;
    std::string out, err;
};

// The first line of `err` that is the program's (the leak checker of a
// sanitized build may add its own report), or "".
inline std::string saidSomething(const std::string &err) {
    std::istringstream lines(err);
    std::string line;
    while (std::getline(lines, line))
        for (const char *speaker : {"vyncolors:", "error:", "alert:", "warning:", "beep:"})
            if (line.rfind(speaker, 0) == 0) return line;
    return "";
}

class VyncolorsTest : public ::testing::Test {
  protected:
    // Runs with a configuration folder of its own, so that no preference of
    // the person running the tests is read or written; `environment` holds
    // more NAME=VALUE words for the program.
    Outcome run(const std::string &args, const std::string &environment = "") {
        std::string command = "XDG_CONFIG_HOME='" + dir.string() + "' " + environment + " '" + VYNCOLORS_EXE +
                              "' " + args + " >'" + (dir / "out").string() + "' 2>'" +
                              (dir / "err").string() + "'";
        int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(dir / "out"), readFile(dir / "err")};
    }

    // The names in the folder, but for the command's own out, err and
    // preferences.
    std::set<std::string> files() const {
        std::set<std::string> names;
        for (const auto &entry : std::filesystem::directory_iterator(dir))
            names.insert(entry.path().filename().string());
        for (const char *own : {"out", "err", "prefs.json"})
            names.erase(own);
        return names;
    }

    vyn::test::TempFolder folder;
    const std::filesystem::path &dir = folder.path();
};

} // namespace vyn::test
