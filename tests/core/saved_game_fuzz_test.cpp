// Damaged saved games fed to the loader: a seeded loop of truncations, flipped bytes, huge and
// negative counts, inserted and removed bytes. The loader must never crash, and after every refusal
// the game in memory must be exactly as it was.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <fstream>
#include <random>

#include "core/hooks.h"
#include "core/records/session_globals.h"
#include "core/persist/saved_game.h"
#include "core/persist/saved_game_image.h"
#include "tests/core/saved_game_world.h"

using namespace tarvelon;
using namespace tarvelon::savetest;

namespace {

constexpr int kMutations = 4000;

// Offsets of the count fields of the counted blocks of a valid image.
std::vector<std::size_t> CountFieldOffsets(const std::string& file)
{
    SavedGameImage image;
    EXPECT_EQ(ReadSavedGameImage(file, image), SavedGameCheck::kValid);
    std::vector<std::size_t> offsets;
    std::size_t at = kSavedGameHeaderBytes;
    VisitSavedBlocks(image, [&](int countField, auto& table, auto&) {
        if (countField == kCountedBlock) offsets.push_back(at);
        at += 4 + table.size() * sizeof(table[0]);
    });
    EXPECT_EQ(at, file.size());
    return offsets;
}

class Mutator {
public:
    Mutator(const std::string& good, unsigned seed) : good_(good), counts_(CountFieldOffsets(good)), rng_(seed) {}

    std::string next()
    {
        std::string bytes = good_;
        switch (pick(6)) {
        case 0:  // truncated anywhere, down to nothing
            bytes.resize(pick(bytes.size()));
            break;
        case 1:  // a few flipped bytes
            for (std::size_t n = 1 + pick(8); n > 0; --n) bytes[pick(bytes.size())] ^= static_cast<char>(1 + pick(255));
            break;
        case 2:  // a count field made huge, negative or slightly wrong
        {
            const std::size_t at = counts_[pick(counts_.size())];
            setInt32(bytes, at, wrongCount(bytes, at));
            break;
        }
        case 3:  // bytes inserted
            bytes.insert(pick(bytes.size() + 1), std::string(1 + pick(300), static_cast<char>(pick(256))));
            break;
        case 4:  // bytes removed from the middle
        {
            const std::size_t from = pick(bytes.size());
            bytes.erase(from, 1 + pick(300));
            break;
        }
        default:  // the header's version changed
            setInt32(bytes, 8, static_cast<std::int32_t>(rng_()));
            break;
        }
        return bytes;
    }

private:
    std::size_t pick(std::size_t n) { return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }

    static void setInt32(std::string& bytes, std::size_t at, std::int32_t value)
    {
        std::memcpy(bytes.data() + at, &value, 4);
    }

    std::int32_t wrongCount(const std::string& bytes, std::size_t at)
    {
        const std::int32_t huge[] = {INT_MAX, INT_MIN, -1, 0x40000000, 0x00100000, static_cast<std::int32_t>(rng_())};
        if (pick(2) == 0) return huge[pick(std::size(huge))];
        std::int32_t count = 0;
        std::memcpy(&count, bytes.data() + at, 4);
        return count + (pick(2) == 0 ? 1 : -1);
    }

    std::string good_;
    std::vector<std::size_t> counts_;
    std::mt19937 rng_;
};

void WriteAll(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

TEST(SavedGameFuzz, DamagedFilesAreRefusedWholeAndNeverCrash)
{
    ScratchFolder folder("saved-game-fuzz");
    std::vector<std::string> messages;
    Hooks().showMessage = [&](const std::string& text) { messages.push_back(text); };
    BuildSaveWorld(40, 6, 77);
    Game.saveName.set("base.nsx");
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    std::string good;
    {
        std::ifstream in("sav/base.nsx", std::ios::binary);
        good.assign(std::istreambuf_iterator<char>(in), {});
    }
    Mutator mutator(good, 20261207);
    ASSERT_NE(LoadGame("base.nsx"), LoadOutcome::kFailed);
    std::string baseline = GameSnapshot();

    int refused = 0;
    for (int i = 0; i < kMutations; ++i) {
        const std::string damaged = mutator.next();
        WriteAll("sav/dano.nsx", damaged);
        AutosaveCounter = 3;
        SeasonStartPending = 0;
        messages.clear();
        if (LoadGame("dano.nsx") == LoadOutcome::kFailed) {
            ++refused;
            ASSERT_EQ(messages, std::vector<std::string>{kInvalidSaveMessage}) << "mutation " << i;
            ASSERT_EQ(GameSnapshot(), baseline) << "mutation " << i;
            ASSERT_EQ(AutosaveCounter, 3);
            ASSERT_FALSE(SeasonStartPending);
        } else {
            // Damage inside a record's bytes is not detectable; the game is whatever the file held.
            ASSERT_EQ(WriteSavedGameImage().size(), damaged.size()) << "mutation " << i;
            ASSERT_NE(LoadGame("base.nsx"), LoadOutcome::kFailed);
            ASSERT_EQ(GameSnapshot(), baseline);
        }
    }
    // Most damage changes the file's structure and must be caught.
    EXPECT_GT(refused, kMutations * 2 / 3);
    Hooks().showMessage = [](const std::string&) {};
}
