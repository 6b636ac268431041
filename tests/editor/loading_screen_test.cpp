// The team editor's loading screen (TForm2), opened as the title screen's "Editor Equipes" opens it on
// a copy of the sample database: every club and national-squad file read into the editor's tables,
// the files it could not read named while it is still up, and the editor's main window opened after.
#include "tests/editor/editor_screens_support.h"

#include "editor/loading_screen.h"
#include "editor/model/editor_teams.h"
#include "platform/stdctrls/ranges.h"

namespace tarvelon::test {
namespace {

using LoadingScreenTest = EditorScreensTest;

// The loading screen on screen (null while none is).
TForm2* ShownLoadingScreen()
{
    for (int i = Screen->FormCount() - 1; i >= 0; --i)
        if (auto* loading = dynamic_cast<TForm2*>(Screen->Forms(i)); loading && loading->Visible())
            return loading;
    return nullptr;
}

// A broken club file and a broken national-squad file are named together once every file was tried,
// with the loading screen's bar full and the editor not yet open; every other file is in the tables
// and the editor opens on the first club of its list.
TEST_F(LoadingScreenTest, ReadsEveryFileNamesTheUnreadableOnesAndOpensTheEditor)
{
    namespace fs = std::filesystem;
    fs::create_symlink("teams/nada.tcf", "teams/quebrado.tcf");  // points at nothing
    fs::create_symlink("teams/selecoes/nada.nsx", "teams/selecoes/quebrada.nsx");
    const int clubFiles = static_cast<int>(ListClubFiles().size());
    bool barFull = false;
    bool editorOpenAlready = true;
    SetMessageBoxAnswerer([&](const TMessageBoxRequest& request) {
        messages_.push_back(request.text);
        if (TForm2* loading = ShownLoadingScreen())
            barFull = loading->barra->Max() == clubFiles && loading->barra->Position() == clubFiles;
        editorOpenAlready = static_cast<bool>(Form3);
        return mrOk;
    });

    TForm3* editor = OpenEditorFromTitle();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(messages_, std::vector<std::string>{"Erro ao carregar o arquivo: quebrado.tcf, quebrada.nsx"});
    EXPECT_TRUE(barFull) << "the message comes with the bar at every club file";
    EXPECT_FALSE(editorOpenAlready) << "the editor opens once the message is answered";
    EXPECT_TRUE(PumpUntil([] { return ShownLoadingScreen() == nullptr; }));
    EXPECT_TRUE(editor->Visible());

    // Each club of the tables is its own file's, as core reads it; every national team is present.
    ASSERT_EQ(static_cast<int>(EditorClubHeaders.size()), clubFiles - 1);
    for (int club = 0; club < clubFiles - 1; ++club) {
        const ClubFile file = ReadBack(club);
        EXPECT_EQ(EditorClubHeaders[static_cast<std::size_t>(club)].fullName.str(), file.header.fullName.str());
        EXPECT_EQ(EditorClubPaths[static_cast<std::size_t>(club)].find("quebrado"), std::string::npos);
    }
    for (const int country : report_.nationalTeams)
        EXPECT_TRUE(IsNationPresent(country)) << "country " << country;
    EXPECT_EQ(EditorCurrentClub, ClubListRows().front().id);
    EXPECT_FALSE(EditorNationalView);
}

}  // namespace
}  // namespace tarvelon::test
