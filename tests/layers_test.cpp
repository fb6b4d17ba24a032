// The folders of the game depend on each other in one direction only, and only platform/
// and the front end talk to outside libraries.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>

namespace {

const std::vector<std::string> kGameFolders = {"state",  "shell",  "view",  "audio",     "explore",
                                               "battle", "growth", "items", "character", "net"};

// The included files of every source file of a game folder, as "folder/file.h" texts.
std::map<std::string, std::vector<std::string>> includes_by_folder(const char* opening) {
    const std::filesystem::path root(QUILLMOOR_SOURCE_DIR);
    std::map<std::string, std::vector<std::string>> found;
    const std::string marker = std::string("#include ") + opening;
    for (const std::string& folder : kGameFolders) {
        if (!std::filesystem::exists(root / folder)) continue;
        for (const auto& entry : std::filesystem::directory_iterator(root / folder)) {
            std::ifstream in(entry.path());
            std::stringstream text;
            text << in.rdbuf();
            const std::string s = text.str();
            for (size_t at = s.find(marker); at != std::string::npos; at = s.find(marker, at + 1)) {
                const size_t start = at + marker.size();
                found[folder].push_back(s.substr(start, s.find_first_of(">\"\n", start) - start));
            }
        }
    }
    return found;
}

std::map<std::string, std::set<std::string>> folder_includes() {
    std::map<std::string, std::set<std::string>> graph;
    for (const auto& [folder, files] : includes_by_folder("\"")) {
        for (const std::string& file : files) {
            const std::string target = file.substr(0, file.find('/'));
            if (file.find('/') != std::string::npos && target != folder)
                graph[folder].insert(target);
        }
    }
    return graph;
}

TEST(Layers, NoFolderOfTheGameDependsOnItselfThroughOthers) {
    const auto graph = folder_includes();
    for (const auto& [start, _] : graph) {
        std::set<std::string> seen;
        std::vector<std::string> path = {start};
        std::function<void(const std::string&)> walk = [&](const std::string& from) {
            auto it = graph.find(from);
            if (it == graph.end()) return;
            for (const std::string& to : it->second) {
                path.push_back(to);
                if (to == start) {
                    std::string cycle;
                    for (const auto& p : path) cycle += p + " -> ";
                    ADD_FAILURE() << "cycle: " << cycle;
                } else if (seen.insert(to).second) {
                    walk(to);
                }
                path.pop_back();
            }
        };
        walk(start);
    }
}

TEST(Layers, OnlyPlatformTalksToOutsideLibraries) {
    const std::vector<std::string> outside = {"Q",         "SDL",       "curl/",    "iconv.h",
                                              "jpeglib.h", "sqlite3.h", "httplib.h"};
    for (const auto& [folder, files] : includes_by_folder("<")) {
        for (const std::string& file : files) {
            for (const std::string& prefix : outside) {
                EXPECT_NE(file.rfind(prefix, 0), 0u) << folder << " includes <" << file << ">";
            }
        }
    }
}

}  // namespace
