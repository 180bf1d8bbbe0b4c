#pragma once
// TRecentFiles: the form files a person opened or saved last, newest first, kept between runs in
// a file of the user's configuration folder, one full path a line. A file that no longer exists
// drops out of the list.

#include <string>
#include <vector>

class TRecentFiles {
public:
    static constexpr std::size_t MaxCount = 6;

    // Reads the list kept in store; an empty store keeps it for this run only.
    explicit TRecentFiles(std::string store);

    // Where the gallery keeps its list: $XDG_CONFIG_HOME/saruvi/gallery-recent, else under
    // $HOME/.config; empty when neither is set.
    static std::string DefaultStore(const char* xdgConfigHome, const char* home);

    // The files that still exist, newest first.
    std::vector<std::string> Items() const;
    // Puts path first and writes the list; a store that cannot be written keeps it in memory.
    void Add(const std::string& path);

private:
    void Write() const;

    std::string FStore;
    std::vector<std::string> FItems;
};
