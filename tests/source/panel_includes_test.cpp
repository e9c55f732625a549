// No panel includes another: each panel folder includes only the layers
// below the panels and its own headers, so that the shell alone knows the
// panels. The source tree is read where the build was configured from.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::set<std::string> kBelowThePanels{"flow", "form_runtime", "nozzle_case", "charts"};

struct Include {
    std::string file, line, folder; // the including file, its line, the folder it names
};

// The project's own includes in the sources of `folder`.
std::vector<Include> includesOf(const fs::path &folder, std::size_t &files)
{
    static const std::regex include(R"(^\s*#\s*include\s*"([^"/]+)/[^"]+")");
    std::vector<Include> found;
    for (const fs::directory_entry &entry : fs::directory_iterator(folder)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".h" && ext != ".cpp")
            continue;
        ++files;
        std::ifstream in(entry.path());
        std::string line;
        std::smatch m;
        while (std::getline(in, line))
            if (std::regex_search(line, m, include))
                found.push_back({entry.path().filename().string(), line, m[1].str()});
    }
    return found;
}

class PanelIncludes : public testing::TestWithParam<const char *> {};

TEST_P(PanelIncludes, OnlyTheLayersBelowAndItsOwnFolder)
{
    const std::string panel = GetParam();
    const fs::path folder = fs::path(VENTROLEX_SOURCE_DIR) / panel;
    ASSERT_TRUE(fs::is_directory(folder)) << folder;
    std::size_t files = 0;
    std::vector<std::string> strays;
    for (const Include &include : includesOf(folder, files))
        if (include.folder != panel && !kBelowThePanels.count(include.folder))
            strays.push_back(include.file + ": " + include.line);
    EXPECT_GT(files, 0u) << "no sources read in " << folder;
    EXPECT_EQ(strays, std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Panels, PanelIncludes,
                         testing::Values("solver_window", "stations_window", "backpressure_window", "reservoir_window",
                                         "large_chart", "about_window", "duct_window", "working_window"));

} // namespace
