#include "tools/gallery/RecentFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

TRecentFiles::TRecentFiles(std::string store) : FStore(std::move(store)) {
    if (FStore.empty())
        return;
    std::ifstream in(FStore);
    for (std::string line; FItems.size() < MaxCount && std::getline(in, line);)
        if (!line.empty())
            FItems.push_back(line);
}

std::string TRecentFiles::DefaultStore(const char* xdgConfigHome, const char* home) {
    fs::path folder;
    if (xdgConfigHome && *xdgConfigHome)
        folder = xdgConfigHome;
    else if (home && *home)
        folder = fs::path(home) / ".config";
    else
        return {};
    return (folder / "saruvi" / "gallery-recent").string();
}

std::vector<std::string> TRecentFiles::Items() const {
    std::vector<std::string> existing;
    std::error_code error;
    for (const std::string& path : FItems)
        if (fs::is_regular_file(path, error))
            existing.push_back(path);
    return existing;
}

void TRecentFiles::Add(const std::string& path) {
    std::error_code error;
    fs::path full = fs::absolute(path, error);
    const std::string entry = error ? path : full.lexically_normal().string();
    FItems = Items();
    std::erase(FItems, entry);
    FItems.insert(FItems.begin(), entry);
    if (FItems.size() > MaxCount)
        FItems.resize(MaxCount);
    Write();
}

void TRecentFiles::Write() const {
    if (FStore.empty())
        return;
    std::error_code error;
    fs::create_directories(fs::path(FStore).parent_path(), error);
    std::ofstream out(FStore, std::ios::trunc);
    for (const std::string& path : FItems)
        out << path << '\n';
}
