// The team editor's tables and rules on a database folder of its own: loading every file (real
// paths, short files, a broken file), writing back byte for byte, the player rules with exact
// values, the add-club checks and the pictures.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "core/persist/club_file.h"
#include "core/persist/file_io.h"
#include "core/vocab/countries.h"
#include "editor/model/editor_players.h"
#include "editor/model/editor_tables.h"
#include "editor/model/editor_teams.h"
#include "tests/support/scratch_folder.h"

namespace tarvelon {
namespace {

namespace fs = std::filesystem;

ClubFile MakeClub(const std::string& name, int country, int players)
{
    ClubFile file;
    file.header.country = static_cast<std::uint8_t>(country);
    file.header.level = 12;
    file.header.shortName.set(name);
    file.header.fileName.set(name);
    file.header.coachName.set("Técnico");
    for (int i = 0; i < kClubSquadSlots; ++i) {
        if (i < players) {
            file.squad.names[i].set("Jogador " + std::to_string(i + 1));
            file.squad.position[i] = static_cast<std::uint8_t>(i == 0 ? 0 : 1 + i % 4);
            file.squad.country[i] = static_cast<std::uint8_t>(country);
            file.squad.age[i] = 20;
            file.squad.trait1[i] = file.squad.trait2[i] = static_cast<std::uint8_t>(i == 0 ? 1 : 5);
            file.squad.side[i] = 1;
        } else {
            file.squad.names[i].setRaw(kFreeSlotName);
        }
    }
    StampClubFileForSave(file);
    return file;
}

NewClubFields NewClub(const std::string& fullName, const std::string& shortName, const std::string& fileName)
{
    NewClubFields fields;
    fields.fullName = fullName;
    fields.shortName = shortName;
    fields.coach = "Técnico";
    fields.stadium = "Estádio";
    fields.fileName = fileName;
    return fields;
}

class EditorModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::make_unique<test::ScratchFolder>("tarvelon-editor-model");
        ASSERT_FALSE(folder_->Path().empty());
        previous_ = fs::current_path();
        fs::current_path(folder_->Path());
        fs::create_directories("teams/selecoes");
        fs::create_directories("teams/escudos");
        ClearEditorTables();
    }
    void TearDown() override
    {
        if (!previous_.empty())
            fs::current_path(previous_);
        folder_.reset();
    }
    static void Write(const std::string& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Read(const std::string& path)
    {
        std::string bytes;
        ReadFileBytes(path, bytes);
        return bytes;
    }
    int ClubIndexOfPath(const std::string& suffix) const
    {
        for (std::size_t i = 0; i < EditorClubPaths.size(); ++i) {
            if (EditorClubPaths[i].ends_with(suffix))
                return static_cast<int>(i);
        }
        return -1;
    }
    std::unique_ptr<test::ScratchFolder> folder_;
    fs::path previous_;
};

TEST_F(EditorModelTest, LoadsEveryFileKeepsRealPathsAndWritesBackByteForByte)
{
    const std::string longName = "clube_com_um_nome_bem_comprido";  // 30 characters
    const std::string upper = SerializeClubFile(MakeClub("Aurora", 29, 12));
    Write("teams/Aurora.TCF", upper);
    Write("teams/" + longName + ".tcf", SerializeClubFile(MakeClub("Brisa", 11, 5)));
    Write("teams/curto.tcf", upper.substr(0, 100));  // short: the rest reads as zero
    TNationalSquad nation;
    nation.country = 7;
    nation.coach.set("Treinador");
    nation.formatValue = kDatabaseFormatValue;
    Write("teams/selecoes/5.nsx", SerializeNationalSquadFile(nation));
    TNationalSquad wrong;
    wrong.country = 250;  // not a country: skipped
    Write("teams/selecoes/9.nsx", SerializeNationalSquadFile(wrong));
    Write("teams/notes.txt", "not a club");

    int progressCalls = 0;
    EXPECT_TRUE(LoadEditorTables([&progressCalls](int) { ++progressCalls; }).empty());
    ASSERT_EQ(EditorClubHeaders.size(), 3u);
    EXPECT_EQ(progressCalls, 3);
    const int aurora = ClubIndexOfPath("Aurora.TCF");
    const int brisa = ClubIndexOfPath(longName + ".tcf");
    const int curto = ClubIndexOfPath("curto.tcf");
    ASSERT_GE(aurora, 0);
    EXPECT_EQ(EditorClubHeaders[aurora].fileName.str(), "Aurora");
    EXPECT_EQ(EditorClubHeaders[brisa].fileName.str(), longName.substr(0, 25));
    EXPECT_EQ(EditorClubSquads[curto].age[0], 0);
    EXPECT_TRUE(IsNationPresent(7));
    EXPECT_FALSE(IsNationPresent(5));

    // Written back through the real paths, byte for byte; no second file appears.
    EXPECT_TRUE(SaveEditorClub(aurora));
    EXPECT_TRUE(SaveEditorClub(brisa));
    EXPECT_EQ(Read("teams/Aurora.TCF"), upper);
    EXPECT_EQ(std::distance(fs::directory_iterator("teams"), fs::directory_iterator{}), 6);  // 4 files, 2 folders
    // A national team is written under its own country id.
    EXPECT_TRUE(SaveEditorNation(7));
    EXPECT_EQ(Read("teams/selecoes/7.nsx").size(), kNationalSquadFileSize);

    // A club whose file the editor deleted is not written again; its file name is free again.
    DeleteEditorClub(aurora);
    EXPECT_FALSE(fs::exists("teams/Aurora.TCF"));
    EXPECT_FALSE(SaveEditorClub(aurora));
    NewClubFields fields = NewClub("Aurora FC", "Aurora", "aurora");
    EXPECT_EQ(NewClubProblem(fields), "");
}

TEST_F(EditorModelTest, AnUnreadableFileIsSkippedAndNamedAndAFailedWriteKeepsTheOldFile)
{
    Write("teams/bom.tcf", SerializeClubFile(MakeClub("Bom", 29, 12)));
    fs::create_directory("teams/pasta.tcf");  // not a file: not listed
    fs::create_symlink("teams/sumiu.tcf", "teams/fechado.tcf");  // points at nothing
    const std::vector<std::string> unreadable = LoadEditorTables();
    ASSERT_EQ(unreadable.size(), 1u);
    EXPECT_EQ(unreadable[0], "fechado.tcf");
    ASSERT_EQ(EditorClubHeaders.size(), 1u);

    // A write that cannot replace the file reports it and leaves what was there.
    const std::string before = Read("teams/bom.tcf");
    EditorClubPaths[0] = "teams/pasta.tcf";
    EditorClubSquads[0].age[0] = 33;
    EXPECT_FALSE(SaveEditorClub(0));
    EXPECT_TRUE(fs::is_directory("teams/pasta.tcf"));
    EXPECT_EQ(Read("teams/bom.tcf"), before);
}

TEST_F(EditorModelTest, PlayersTraitsRegularsMovesAndNationalSquads)
{
    EXPECT_EQ(TraitCode(0, 2), 2);  // goalkeeper item 2
    EXPECT_EQ(TraitCode(4, 2), 6);  // forward item 2
    EXPECT_EQ(TraitCode(0, 6), -1); // F7 on a goalkeeper list: no trait
    EXPECT_EQ(TraitItem(3, 6), 2);
    EXPECT_EQ(TraitItem(3, 2), -1);
    EXPECT_EQ(TraitChoices(0, true).size(), 4u);
    EXPECT_EQ(TraitChoices(2, false)[9].substr(0, 4), "9 - ");
    EXPECT_EQ(TraitChoices(2, true)[0].substr(0, 5), "F1 - ");

    NewClubFields a = NewClub("Clube A", "A", "clube_a");
    NewClubFields b = NewClub("Clube B", "B", "clube_b");
    const int clubA = AddEditorClub(a);
    const int clubB = AddEditorClub(b);
    EXPECT_EQ(EditorCurrentClub, clubB);
    PlayerFields keeper{"Goleiro Um", 0, 2, 2, 0, 30, true, 29};
    EXPECT_TRUE(PlayerFieldsValid(keeper, true));
    PlayerFields bad = keeper;
    bad.trait1 = -1;
    EXPECT_FALSE(PlayerFieldsValid(bad, true));
    EXPECT_EQ(AddClubPlayer(clubA, keeper), 1);
    EXPECT_EQ(LastAddedNationality, 29);
    for (int i = 0; i < 11; ++i)
        AddClubPlayer(clubA, {"Jogador " + std::to_string(i), 1 + i % 4, 4, 5, 0, 20, false, 29});
    EXPECT_EQ(OccupiedClubSlots(clubA), 12);
    EXPECT_TRUE(SaveEditorClub(clubA));
    EXPECT_EQ(EditorClubHeaders[clubA].playable, 1);

    const std::vector<SquadRow> rows = ClubSquadRows(clubA);
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows[0].slot, 1);
    EXPECT_EQ(rows[0].traits, TraitsText(2, 2));
    EXPECT_EQ(rows[1].position, 1);
    EXPECT_EQ(rows.back().position, 4);

    // Eleven regulars at most; a regular can always step down.
    for (int slot = 1; slot <= 11; ++slot)
        EXPECT_EQ(ToggleClubRegular(clubA, slot), 1);
    EXPECT_EQ(ToggleClubRegular(clubA, 12), 0);
    EXPECT_EQ(ToggleClubRegular(clubA, 3), 0);
    EXPECT_EQ(CountClubRegulars(clubA), 10);

    // Editing with an empty name keeps the name; deleting keeps the other bytes.
    PlayerFields edit = ClubPlayerFields(clubA, 2);
    edit.name.clear();
    edit.age = 41;
    EditClubPlayer(clubA, 2, edit);
    EXPECT_EQ(EditorClubSquads[clubA].names[1].str(), "Jogador 0");
    EXPECT_EQ(EditorClubSquads[clubA].age[1], 41);

    // A moved player loses his regular flag and takes the target slot's side.
    EditorClubSquads[clubB].side[0] = 1;
    EXPECT_EQ(MoveClubPlayer(2, clubA, clubB), 1);
    EXPECT_EQ(EditorClubSquads[clubB].names[0].str(), "Jogador 0");
    EXPECT_EQ(EditorClubSquads[clubB].status[0], 0);
    EXPECT_EQ(EditorClubSquads[clubB].side[0], 1);
    EXPECT_EQ(EditorClubSquads[clubA].names[1].raw(), kFreeSlotName);
    EXPECT_EQ(EditorClubSquads[clubA].age[1], 41);

    // Into the national squad: no team, then a team; never twice; never past 201.
    EXPECT_EQ(CopyToNationalSquad(clubA, 1), 0);
    EXPECT_EQ(EditorCurrentNation, 29);
    AddEditorNation(29, {"Treinador", 20, 0xFFFFFF, 0, ""});
    EXPECT_EQ(CopyToNationalSquad(clubA, 1), 1);
    EXPECT_EQ(CopyToNationalSquad(clubA, 1), 0);
    EXPECT_EQ(EditorNationalSquads[29].playerCount, 1);
    EXPECT_EQ(EditorNationalSquads[29].trait1[0], 2);
    EditorClubSquads[clubA].country[0] = 230;
    EXPECT_EQ(CopyToNationalSquad(clubA, 1), 0);
    EXPECT_EQ(AddNationalPlayer(29, {"Outro", 3, 7, 7, 1, 22, false, 0}), 2);
    EXPECT_EQ(EditorNationalSquads[29].playerCount, 2);
    DeleteNationalPlayer(29, 1);
    EXPECT_EQ(EditorNationalSquads[29].playerCount, 1);
    EXPECT_EQ(NationalSquadRows(29).size(), 1u);
    EXPECT_EQ(NationalSquadRows(29)[0].nationality, 29);
}

TEST_F(EditorModelTest, NewClubChecksInOrderSafeFileNamesAndTheClubListOrder)
{
    Write("teams/Clube.TCF", SerializeClubFile(MakeClub("Clube", 29, 0)));
    NewClubFields fields;
    EXPECT_EQ(NewClubProblem(fields), "Nome completo não informado");
    fields.fullName = "Clube Novo";
    EXPECT_EQ(NewClubProblem(fields), "Nome abreviado não informado");
    fields.shortName = "Novo";
    EXPECT_EQ(NewClubProblem(fields), "Técnico não informado");
    fields.coach = "T";
    EXPECT_EQ(NewClubProblem(fields), "Estádio não informado");
    fields.stadium = "E";
    EXPECT_EQ(NewClubProblem(fields), "Nome arquivo não informado");
    // A name that leaves the folder, hides a control character or cannot be stored as typed is
    // refused; capitals, hyphens, blanks inside and accents are a player's own choice.
    for (const char* unsafe : {"../fora", "..", "sub/nome", "sub\\nome", "nome\x01", "nome\x7f",
                               "a_name_of_22_chars_xyz", "nome\xc5\x91"}) {
        fields.fileName = unsafe;
        EXPECT_NE(NewClubProblem(fields).find("inválido"), std::string::npos) << unsafe;
    }
    for (const char* chosen : {"Maiusc", "com-hifen", "com espaco", "São_João", "nome_de_21_caracteres"}) {
        fields.fileName = chosen;
        EXPECT_EQ(NewClubProblem(fields), "") << chosen;
    }
    fields.fileName = "clube";  // "Clube.TCF" exists
    EXPECT_EQ(NewClubProblem(fields), "Arquivo já existe, escolha outro nome");
    fields.fileName = "clube_novo";
    EXPECT_EQ(NewClubProblem(fields), "");

    std::vector<ClubListRow> rows{{0, "Zeta", 29, 10, true}, {1, "Alfa", 29, 10, true}, {2, "Beta", 29, 15, true},
                                  {3, "Gama", 11, 1, false}};
    SortClubRowsByCountryAndLevel(rows);
    EXPECT_EQ(rows[0].id, 3);
    EXPECT_EQ(rows[1].id, 2);
    EXPECT_EQ(rows[2].id, 1);
    EXPECT_EQ(rows[3].id, 0);

    EXPECT_EQ(std::string(CountryNames[CountryForKey('M')]), "Macau");
    EXPECT_EQ(std::string(CountryNames[CountryForKey('B')]).front(), 'B');
    EXPECT_EQ(CountryForKey('#'), -1);

    ClubChanges changes;
    const int club = AddEditorClub(NewClub("Clube X", "X", "clube_x"));
    EXPECT_FALSE(changes.Any());
    changes.shortName = "";  // emptied by the user: kept
    changes.level = 25;
    ApplyClubChanges(club, changes);
    EXPECT_EQ(EditorClubHeaders[club].shortName.str(), "X");
    EXPECT_EQ(EditorClubHeaders[club].level, 25);
}

TEST_F(EditorModelTest, PicturesAreListedOnceAndResolvedPngFirst)
{
    Write("teams/escudos/leao.gif", "g");
    Write("teams/escudos/leao.png", "p");
    Write("teams/escudos/TIGRE.PNG", "p");
    Write("teams/escudos/notas.txt", "x");
    Write("teams/escudos/nullescudo.gif", "n");
    const std::vector<std::string> files = ListPictureFiles(kCrestFolder);
    EXPECT_EQ(files, (std::vector<std::string>{"TIGRE.PNG", "leao.gif", "leao.png", "nullescudo.gif"}));
    EXPECT_EQ(PictureBaseName("leao.gif"), "leao");
    EXPECT_EQ(PictureBaseName("TIGRE.PNG"), "TIGRE");
    EXPECT_EQ(ResolvePicture(kCrestFolder, "leao"), "teams/escudos/leao.png");
    EXPECT_EQ(ResolvePicture(kCrestFolder, "tigre"), "teams/escudos/TIGRE.PNG");
    const int club = AddEditorClub(NewClub("Sem escudo", "S", "sem"));
    EXPECT_EQ(ClubCrestPath(club), "teams/escudos/nullescudo.gif");
    EditorClubHeaders[club].crestName.set("leao");
    EXPECT_EQ(ClubCrestPath(club), "teams/escudos/leao.png");
    // A crest name that leads out of the crest folder shows no picture of its own.
    Write("fora.png", "p");
    EditorClubHeaders[club].crestName.set("../../fora");
    EXPECT_EQ(ResolvePicture(kCrestFolder, "../../fora"), "");
    EXPECT_EQ(ClubCrestPath(club), "teams/escudos/nullescudo.gif");
}

}  // namespace
}  // namespace tarvelon
