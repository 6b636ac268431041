// A saved game changed in a few fields, loaded and played for a day. The base is a new game of the
// sample database saved in memory; the input is a list of changes, each aimed at one record of one
// table so that the fuzzer reaches every field of every record:
//   [table: 1 byte, 0 the game state, 1..34 the blocks] [record: 4 bytes] [offset: 2 bytes]
//   [length: 1 byte, 1..8] [the new bytes]
// A save the loader takes must play without undefined behaviour; what it holds points into its own
// tables (a day kind no calendar has, a current club or a player's club beyond the clubs would open
// an empty hub or roster), and the day played from it saves to a file that loads again.
#include <memory>

#include "core/services/rule_services.h"
#include "core/persist/saved_game_image.h"
#include "core/seasonloop/season_loop.h"
#include "tests/fuzz/fuzz_game.h"
#include "tests/fuzz/fuzz_target.h"
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

BaseGame MakeBaseGame()
{
    BaseGame base;
    if (!fuzz::StartSampleGame())
        return base;
    base.bytes = WriteSavedGameImage();
    base.tables.push_back(TablePlace{4, sizeof(TGameState), 1});
    auto image = std::make_unique<SavedGameImage>();
    fuzz::Expect(ReadSavedGameImage(base.bytes, *image) == SavedGameCheck::kValid, "a new game saves and loads");
    std::size_t at = kSavedGameHeaderBytes;
    VisitSavedBlocks(*image, [&](int, auto& table, auto&) {
        base.tables.push_back(TablePlace{at + 4, sizeof(table[0]), table.size()});
        at += 4 + table.size() * sizeof(table[0]);
    });
    return base;
}

void ApplyChanges(fuzz::InputReader& input, const BaseGame& base, std::string& bytes)
{
    while (!input.Empty()) {
        const TablePlace& table = base.tables[input.Byte() % base.tables.size()];
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

}  // namespace

TARVELON_FUZZ_TARGET(saved_game_play)
{
    static const BaseGame base = MakeBaseGame();
    if (base.bytes.empty())
        return;
    std::string bytes = base.bytes;
    fuzz::InputReader input(data, size);
    ApplyChanges(input, base, bytes);
    std::string message;
    if (!sim::LoadSimGameBytes(bytes, message))
        return;
    fuzz::ExpectIndexesInTheirTables();
    SeedRepeatableRun(1);
    PlayDay();
    auto image = std::make_unique<SavedGameImage>();
    fuzz::Expect(ReadSavedGameImage(WriteSavedGameImage(), *image) == SavedGameCheck::kValid,
                 "a loaded game played for a day saves to a file that loads again");
}
