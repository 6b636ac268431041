// File search: wildcards without regard to case, sorted the same way everywhere, folders only when
// asked, FindFirst / FindNext over the same list; FileExists and DeleteFile through the installed lookup.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "platform/forms/text_utils.h"
#include "platform/stdctrls/file_search.h"

namespace tarvelon {
namespace {

void Touch(const std::filesystem::path& path, std::size_t size = 0)
{
    std::ofstream(path) << std::string(size, 'x');
}

TEST(WildcardTest, StarsAndQuestionMarksIgnoreCase)
{
    EXPECT_TRUE(MatchesWildcard("Flamengo.TCF", "*.tcf"));
    EXPECT_TRUE(MatchesWildcard("sav1.nsx", "sav?.nsx"));
    EXPECT_FALSE(MatchesWildcard("sav12.nsx", "sav?.nsx"));
    EXPECT_TRUE(MatchesWildcard("São Paulo.tcf", "s?o*.TCF"));  // ? takes one accented letter
    EXPECT_TRUE(MatchesWildcard("readme", "*.*"));
    EXPECT_TRUE(MatchesWildcard("a.b.c", "*.c"));
    EXPECT_FALSE(MatchesWildcard("gol.wav.bak", "*.wav"));
    EXPECT_TRUE(MatchesWildcard("", "*"));
    EXPECT_FALSE(MatchesWildcard("x", ""));
}

TEST(FileSearchTest, MatchingFilesComeSortedWithoutRegardToCase)
{
    QTemporaryDir dir;
    const std::filesystem::path root = dir.path().toStdString();
    Touch(root / "santos.tcf", 3);
    Touch(root / "Bahia.tcf");
    Touch(root / "atletico.TCF");
    Touch(root / "Corinthians.tcf");
    Touch(root / "notes.txt");
    std::filesystem::create_directory(root / "escudos.tcf");
    EXPECT_EQ(FindFileNames(root.string(), "*.tcf"),
              (std::vector<std::string>{"atletico.TCF", "Bahia.tcf", "Corinthians.tcf", "santos.tcf"}));
    const std::vector<TSearchRec> withFolders = FindFiles(root.string(), "*.tcf", faAnyFile);
    ASSERT_EQ(withFolders.size(), 5u);
    EXPECT_EQ(withFolders[3].Name, "escudos.tcf");
    EXPECT_EQ(withFolders[3].Attr & faDirectory, faDirectory);
    EXPECT_EQ(withFolders[4].Size, 3);
    EXPECT_TRUE(FindFileNames((root / "missing").string(), "*").empty());

    TSearchRec rec;
    std::vector<std::string> walked;
    for (int found = FindFirst((root / "*.TCF").string(), faAnyFile & ~faDirectory, rec); found == 0; found = FindNext(rec))
        walked.push_back(rec.Name);
    FindClose(rec);
    EXPECT_EQ(walked, FindFileNames(root.string(), "*.tcf"));
    EXPECT_NE(FindFirst((root / "*.nsx").string(), faAnyFile, rec), 0);
}

TEST(FileLookupTest, ExistsAndDeleteFindTheFileThroughTheInstalledLookup)
{
    QTemporaryDir dir;
    const std::filesystem::path root = dir.path().toStdString();
    std::filesystem::create_directories(root / "Sav");
    Touch(root / "Sav" / "Jogo1.NSX");
    const std::string asWritten = (root / "sav" / "jogo1.nsx").string();
    EXPECT_FALSE(FileExists(asWritten));  // taken as written until a lookup is installed
    // A lookup that ignores case below the folder, as the game's does.
    SetFileLookup([&](const std::string& path) -> std::optional<std::string> {
        const std::filesystem::path wanted(path);
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            const std::filesystem::path relative = std::filesystem::relative(entry.path(), root);
            if (SameText((root / relative).string(), wanted.string()))
                return entry.path().string();
        }
        return std::nullopt;
    });
    EXPECT_TRUE(FileExists(asWritten));
    EXPECT_FALSE(FileExists((root / "SAV").string()));  // a folder is no file
    EXPECT_FALSE(FileExists((root / "sav" / "jogo2.nsx").string()));
    EXPECT_FALSE(DeleteFile((root / "sav").string()));
    EXPECT_TRUE(DeleteFile(asWritten));
    EXPECT_FALSE(std::filesystem::exists(root / "Sav" / "Jogo1.NSX"));
    EXPECT_FALSE(DeleteFile(asWritten));
    SetFileLookup(nullptr);
}

}  // namespace
}  // namespace tarvelon
