#include "tools/gallery/GalleryOptions.h"
#include "tools/gallery/RecentFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

TEST(GalleryOptionsTest, ReadsTheCommandLine) {
    struct {
        std::vector<std::string> Args;
        bool Help;
        bool Report;
        const char* File;
        const char* Error;
    } const cases[] = {
        {{}, false, false, "", ""},
        {{"--help"}, true, false, "", ""},
        {{"-h"}, true, false, "", ""},
        {{"--report", "form.json"}, false, true, "form.json", ""},
        {{"form.json", "--report"}, false, true, "form.json", ""},
        {{"--", "-odd.json"}, false, false, "-odd.json", ""},
        {{"--verbose"}, false, false, "", "unknown option --verbose (see --help)"},
        {{"a.json", "b.json"}, false, false, "a.json", "one form file at a time, not also b.json"},
    };
    for (const auto& c : cases) {
        const TGalleryOptions options = ParseGalleryOptions(c.Args);
        const std::string what = c.Args.empty() ? "(none)" : c.Args.front();
        EXPECT_EQ(options.Help, c.Help) << what;
        EXPECT_EQ(options.Report, c.Report) << what;
        EXPECT_EQ(options.File, c.File) << what;
        EXPECT_EQ(options.Error, c.Error) << what;
    }
}

TEST(RecentFilesTest, KeepsTheNewestExistingFilesBetweenRuns) {
    const fs::path folder = fs::path(::testing::TempDir()) / "recent";
    fs::remove_all(folder);
    fs::create_directories(folder);
    auto file = [&folder](int n) {
        const fs::path path = folder / ("form" + std::to_string(n) + ".json");
        std::ofstream(path) << "{}";
        return path.string();
    };
    const std::string store = (folder / "config" / "saruvi" / "gallery-recent").string();
    {
        TRecentFiles recent(store);
        for (int n = 1; n <= 8; ++n)
            recent.Add(file(n));
        recent.Add(file(5));
    }
    fs::remove(file(7));
    const TRecentFiles again(store);
    EXPECT_EQ(again.Items(),
              (std::vector<std::string>{file(5), file(8), file(6), file(4), file(3)}))
        << "newest first, a file added again moves up, at most six kept, missing ones dropped";
}

TEST(RecentFilesTest, LivesInTheUsersConfigurationFolder) {
    EXPECT_EQ(TRecentFiles::DefaultStore("/cfg", "/home/a"), "/cfg/saruvi/gallery-recent");
    EXPECT_EQ(TRecentFiles::DefaultStore("", "/home/a"), "/home/a/.config/saruvi/gallery-recent");
    EXPECT_EQ(TRecentFiles::DefaultStore(nullptr, nullptr), "");
}
