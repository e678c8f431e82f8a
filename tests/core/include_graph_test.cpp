// The source tree keeps its shape: the core never reaches Qt or the windows,
// no window or widget reaches up into the application, and each of the core's
// folders includes only those below it, from the model up.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace zorikan {
namespace {

namespace fs = std::filesystem;

struct Include {
    std::string file;    // relative to src/
    std::string target;  // as written between the quotes or brackets
    bool system;         // <...>
};

std::vector<Include> IncludesUnder(const std::string& folder) {
    static const std::regex line(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    const fs::path src = fs::path(ZORIKAN_SOURCE_DIR) / "src";
    std::vector<Include> found;
    for (const auto& entry : fs::recursive_directory_iterator(src / folder)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path());
        std::string text;
        std::smatch m;
        while (std::getline(in, text))
            if (std::regex_search(text, m, line))
                found.push_back({fs::relative(entry.path(), src).generic_string(), m[2].str(),
                                 m[1].str() == "<"});
    }
    return found;
}

std::string FirstFolder(const std::string& path) {
    return path.substr(0, path.find('/'));
}

// The subsystem folder of a core file ("core/battle/turn.h" -> "battle").
std::string CoreFolder(const std::string& path) {
    const std::string rest = path.substr(path.find('/') + 1);
    return rest.substr(0, rest.find('/'));
}

TEST(IncludeGraph, TheCoreIncludesOnlyItselfAndTheStandardLibrary) {
    const std::vector<Include> includes = IncludesUnder("core");
    ASSERT_GT(includes.size(), 100u);
    for (const Include& i : includes) {
        if (i.system)
            EXPECT_NE(i.target[0], 'Q') << i.file << " includes <" << i.target << ">";
        else
            EXPECT_EQ(FirstFolder(i.target), "core") << i.file << " includes " << i.target;
    }
}

TEST(IncludeGraph, NoWindowOrWidgetReachesUpIntoTheApplication) {
    // Each layer may include itself and those below it.
    const std::map<std::string, std::set<std::string>> below = {
        {"painter", {"core"}},
        {"ui", {"core", "painter"}},
        {"screens", {"core", "painter", "ui"}},
        {"music", {"core", "ui"}},
    };
    for (const auto& [layer, allowed] : below) {
        for (const Include& i : IncludesUnder(layer)) {
            if (i.system) continue;
            const std::string to = FirstFolder(i.target);
            EXPECT_TRUE(to == layer || allowed.count(to)) << i.file << " includes " << i.target;
        }
    }
}

// The core's folders from the floor up, as ARCHITECTURE.md's table lists them.
std::vector<std::string> CoreFloorsInArchitecture() {
    std::ifstream in(fs::path(ZORIKAN_SOURCE_DIR) / "ARCHITECTURE.md");
    static const std::regex row(R"(^\| `src/core/([a-z_]+)/` \|)");
    std::vector<std::string> floors;
    std::string text;
    std::smatch m;
    while (std::getline(in, text))
        if (std::regex_search(text, m, row)) floors.push_back(m[1].str());
    return floors;
}

TEST(IncludeGraph, EachCoreFolderIncludesOnlyTheFoldersBelowIt) {
    const std::vector<std::string> floors = CoreFloorsInArchitecture();
    ASSERT_GE(floors.size(), 5u);
    std::map<std::string, std::size_t> height;
    for (std::size_t i = 0; i < floors.size(); ++i) height[floors[i]] = i;
    // A folder the table does not place has no place in the order.
    for (const auto& entry : fs::directory_iterator(fs::path(ZORIKAN_SOURCE_DIR) / "src/core")) {
        const std::string folder = entry.path().filename().string();
        if (!entry.is_directory()) continue;
        EXPECT_TRUE(height.count(folder)) << "ARCHITECTURE.md does not place src/core/" << folder;
    }
    for (const Include& i : IncludesUnder("core")) {
        if (i.system) continue;
        const std::string from = CoreFolder(i.file);
        const std::string to = CoreFolder(i.target);
        if (!height.count(from) || !height.count(to)) continue;  // reported above
        EXPECT_LE(height[to], height[from]) << i.file << " includes " << i.target << ", above it";
    }
}

TEST(IncludeGraph, TheReadmesSourceTreeNamesEveryFolder) {
    std::ifstream in(fs::path(ZORIKAN_SOURCE_DIR) / "README.md");
    const std::string readme((std::istreambuf_iterator<char>(in)), {});
    const fs::path root(ZORIKAN_SOURCE_DIR);
    for (const char* parent : {"src", "src/core"})
        for (const auto& entry : fs::directory_iterator(root / parent))
            if (entry.is_directory() && entry.path().filename() != "core") {
                const std::string row =
                    "| `" + fs::relative(entry.path(), root).generic_string() + "/` |";
                EXPECT_NE(readme.find(row), std::string::npos) << "README lacks " << row;
            }
}

}  // namespace
}  // namespace zorikan
