// The module's dynamic symbol table: PluginMain and nothing else, so the
// plug-in's own operator new and delete can never serve the host.
#include <elf.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "PluginHarness.h"
#include "support/FileText.h"

namespace vyn::test {
namespace {

// Names of the symbols a 64-bit ELF file defines in its dynamic table.
std::vector<std::string> definedDynamicSymbols(const std::filesystem::path &file) {
    const std::string bytes = readFile(file);
    Elf64_Ehdr header;
    if (bytes.size() < sizeof header) return {};
    std::memcpy(&header, bytes.data(), sizeof header);
    auto section = [&](std::size_t i) {
        Elf64_Shdr s;
        std::memcpy(&s, bytes.data() + header.e_shoff + i * header.e_shentsize, sizeof s);
        return s;
    };
    std::vector<std::string> names;
    for (std::size_t i = 0; i < header.e_shnum; ++i) {
        Elf64_Shdr symtab = section(i);
        if (symtab.sh_type != SHT_DYNSYM) continue;
        Elf64_Shdr strtab = section(symtab.sh_link);
        for (std::size_t k = 1; k < symtab.sh_size / sizeof(Elf64_Sym); ++k) {
            Elf64_Sym sym;
            std::memcpy(&sym, bytes.data() + symtab.sh_offset + k * sizeof sym, sizeof sym);
            if (sym.st_shndx == SHN_UNDEF) continue;
            names.emplace_back(bytes.data() + strtab.sh_offset + sym.st_name);
        }
    }
    return names;
}

TEST(Module, ExportsPluginMainAlone) {
    auto names = definedDynamicSymbols(kPluginsFolder / "VynColors.aip" / "VynColors.so");
    EXPECT_EQ(names, std::vector<std::string>{"PluginMain"});
}

} // namespace
} // namespace vyn::test
