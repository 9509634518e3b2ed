// The documents the code points to say what the code says.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <sstream>

#include "support/FileText.h"

namespace fs = std::filesystem;

namespace {

using vyn::test::readFile;

TEST(Docs, EveryHostBehaviourReferenceNamesASection) {
    const fs::path root = VYN_SOURCE_DIR;
    std::set<std::string> sections;
    std::istringstream doc(readFile(root / "docs" / "host-behaviour.md"));
    for (std::string line; std::getline(doc, line);)
        if (line.rfind("## ", 0) == 0) sections.insert(line.substr(3));

    // References may wrap: "See docs/host-behaviour.md, \n * \"Fonts\"".
    const std::regex reference(R"(host-behaviour\.md,[\s*]*"([^"]+)\")");
    int references = 0;
    for (const char *folder : {"illustratorapi", "host"})
        for (const auto &entry : fs::recursive_directory_iterator(root / folder)) {
            if (!entry.is_regular_file()) continue;
            std::string text = readFile(entry.path());
            for (std::sregex_iterator m(text.begin(), text.end(), reference), end; m != end;
                 ++m, ++references)
                EXPECT_TRUE(sections.count((*m)[1]))
                    << entry.path() << " points to a missing section: " << (*m)[1];
        }
    EXPECT_GT(references, 0);
}

TEST(Docs, EverySafetyBehaviourNamesAnExistingTest) {
    const fs::path root = VYN_SOURCE_DIR;
    std::set<std::string> tests;
    const std::regex definition(R"(TEST(?:_F)?\((\w+),\s*(\w+)\))");
    for (const auto &entry : fs::recursive_directory_iterator(root / "tests")) {
        if (!entry.is_regular_file() || entry.path().extension() != ".cpp") continue;
        std::string text = readFile(entry.path());
        for (std::sregex_iterator m(text.begin(), text.end(), definition), end; m != end; ++m)
            tests.insert((*m)[1].str() + "." + (*m)[2].str());
    }

    const std::string doc = readFile(root / "docs" / "safety-behaviours.md");
    const std::regex named(R"(`([A-Z]\w+)\.([A-Z]\w+)`)");
    int names = 0;
    for (std::sregex_iterator m(doc.begin(), doc.end(), named), end; m != end; ++m, ++names)
        EXPECT_TRUE(tests.count((*m)[1].str() + "." + (*m)[2].str())) << "no such test: " << (*m)[0];
    EXPECT_GE(names, 10);
}

} // namespace
