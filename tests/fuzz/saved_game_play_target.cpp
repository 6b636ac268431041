// A saved game changed in a few fields, loaded, played on and saved, and that save loaded again.
// There are two bases, each a game of the sample database saved in memory: a new game, and the
// same game on the last day of its first season, so that the day played turns the season (the
// rollover, the draws of the new season and its first day). The input is a list of changes, each
// aimed at one record of one table so that the fuzzer reaches every field of every record:
//   [table: 1 byte, 0 the game state, 1..34 the blocks] [record: 4 bytes] [offset: 2 bytes]
//   [length: 1 byte, 1..8] [the new bytes]
// The first change's table byte also picks the base: with its top bit set, the season's last day.
// A save the loader takes must play without undefined behaviour; what it holds points into its own
// tables (a day kind no calendar has, a current club or a player's club beyond the clubs would open
// an empty hub or roster); the views a player opens after a load read inside their tables; and the
// game played from it saves to a file that the loader takes again.
#include <memory>

#include "core/services/rule_services.h"
#include "core/persist/saved_game_image.h"
#include "core/seasonloop/season_loop.h"
#include "tests/fuzz/fuzz_game.h"
#include "tests/fuzz/fuzz_target.h"
#include "tools/savesweep/sweep_play.h"
#include "tools/sim/sim_run.h"

namespace {

using namespace tarvelon;

// Where each table's records lie in the base file.
struct TablePlace {
    std::size_t start = 0;
    std::size_t recordSize = 0;
    std::size_t count = 0;
};

struct BaseGame {
    std::string bytes;
    std::vector<TablePlace> tables;
};

BaseGame BaseOfBytes(std::string bytes)
{
    BaseGame base;
    base.bytes = std::move(bytes);
    base.tables.push_back(TablePlace{4, sizeof(TGameState), 1});
    auto image = std::make_unique<SavedGameImage>();
    fuzz::Expect(ReadSavedGameImage(base.bytes, *image) == SavedGameCheck::kValid, "a base game saves and loads");
    std::size_t at = kSavedGameHeaderBytes;
    VisitSavedBlocks(*image, [&](int, auto& table, auto&) {
        base.tables.push_back(TablePlace{at + 4, sizeof(table[0]), table.size()});
        at += 4 + table.size() * sizeof(table[0]);
    });
    return base;
}

BaseGame NewGameBase()
{
    if (!fuzz::StartSampleGame())
        return {};
    return BaseOfBytes(WriteSavedGameImage());
}

// The new game played to the eve of its season's last day: the save of the day before the one
// that ends the season.
BaseGame SeasonEndBase()
{
    if (!fuzz::StartSampleGame())
        return {};
    std::string eve = WriteSavedGameImage();
    while (PlayDay() != DayOutcome::SeasonOver)
        eve = WriteSavedGameImage();
    return BaseOfBytes(eve);
}

void ApplyChanges(fuzz::InputReader& input, const BaseGame& base, std::string& bytes, std::uint8_t firstTable)
{
    bool first = true;
    while (!input.Empty()) {
        const std::uint8_t tableByte = first ? firstTable : input.Byte();
        first = false;
        const TablePlace& table = base.tables[tableByte % base.tables.size()];
        const std::uint32_t record = input.Long();
        const std::uint16_t offset = input.Word();
        const std::size_t length = 1 + input.Byte() % 8;
        const std::string_view value = input.Take(length);
        if (table.count == 0)
            continue;
        const std::size_t inRecord = offset % table.recordSize;
        const std::size_t at = table.start + (record % table.count) * table.recordSize + inRecord;
        bytes.replace(at, std::min(value.size(), table.recordSize - inRecord), value.substr(0, table.recordSize - inRecord));
    }
}

// The day after the load; at the season's end the season turns and the new season's first day is
// played too.
void PlayOn()
{
    SeedRepeatableRun(1);
    if (PlayDay() == DayOutcome::SeasonOver) {
        TurnToNewSeason();
        PlayDay();
    }
}

}  // namespace

TARVELON_FUZZ_TARGET(saved_game_play)
{
    static const BaseGame newGame = NewGameBase();
    static const BaseGame seasonEnd = SeasonEndBase();
    if (newGame.bytes.empty() || seasonEnd.bytes.empty())
        return;
    fuzz::InputReader input(data, size);
    const std::uint8_t firstTable = input.Empty() ? 0 : input.Byte();
    const BaseGame& base = (firstTable & 0x80) != 0 ? seasonEnd : newGame;
    std::string bytes = base.bytes;
    ApplyChanges(input, base, bytes, firstTable & 0x7F);
    std::string message;
    if (!sim::LoadSimGameBytes(bytes, message))
        return;
    fuzz::ExpectIndexesInTheirTables();
    savesweep::OpenViewsAfterLoad();
    PlayOn();
    fuzz::Expect(sim::LoadSimGameBytes(WriteSavedGameImage(), message),
                 "a loaded game played on (through the season's turn from the last day) saves to a file that loads again");
    savesweep::OpenViewsAfterLoad();
}
