// ModuleFile.h — checking a plug-in module file before the system loader
// maps it.
//
// The loader maps a module's segments straight from the file: one cut short
// is mapped past its end, and the first touch of the missing part kills the
// process with SIGBUS inside the loader. So the host first checks that the
// file is a complete ELF shared object for this machine: the ELF magic,
// class, byte order, version, machine and type ET_DYN, and that the program
// header table and every loadable segment's bytes lie inside the file.
// See docs/host-behaviour.md, "Loading".
#pragma once

#include <filesystem>
#include <string>

namespace vyn::host {

struct ModuleFileCheck {
    enum class Verdict { Loadable, Missing, Unreadable, NotLoadable };
    Verdict verdict;
    // Unreadable: the system's reason; NotLoadable: what is wrong, as a
    // clause ("it is not an ELF file").
    std::string detail;
};

ModuleFileCheck checkModuleFile(const std::filesystem::path &file);

} // namespace vyn::host
