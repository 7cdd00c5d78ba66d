// The shared library's whole dynamic interface is CorvelaInstance.
#include <elf.h>
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

// The names of the defined global and weak symbols of a 64-bit ELF file's .dynsym.
std::set<std::string> DefinedDynamicSymbols(const std::vector<char>& image) {
    std::set<std::string> names;
    if (image.size() < sizeof(Elf64_Ehdr)) return names;
    Elf64_Ehdr header;
    std::memcpy(&header, image.data(), sizeof header);
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != ELFCLASS64)
        return names;
    auto section = [&](std::size_t i) {
        Elf64_Shdr s;
        std::memcpy(&s, image.data() + header.e_shoff + i * header.e_shentsize, sizeof s);
        return s;
    };
    for (std::size_t i = 0; i < header.e_shnum; ++i) {
        Elf64_Shdr symbols = section(i);
        if (symbols.sh_type != SHT_DYNSYM) continue;
        Elf64_Shdr strings = section(symbols.sh_link);
        for (std::size_t offset = 0; offset + sizeof(Elf64_Sym) <= symbols.sh_size;
             offset += sizeof(Elf64_Sym)) {
            Elf64_Sym symbol;
            std::memcpy(&symbol, image.data() + symbols.sh_offset + offset, sizeof symbol);
            const int binding = ELF64_ST_BIND(symbol.st_info);
            if (symbol.st_shndx == SHN_UNDEF || (binding != STB_GLOBAL && binding != STB_WEAK))
                continue;
            names.insert(image.data() + strings.sh_offset + symbol.st_name);
        }
    }
    return names;
}

}  // namespace

TEST(ExportedSymbols, CorvelaInstanceIsTheOnlyOne) {
    std::ifstream in(CORVELA_LIBRARY_PATH, std::ios::binary);
    ASSERT_TRUE(in) << CORVELA_LIBRARY_PATH;
    std::vector<char> image((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(DefinedDynamicSymbols(image), std::set<std::string>{"CorvelaInstance"});
}
