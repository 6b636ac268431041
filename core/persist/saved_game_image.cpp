#include "core/persist/saved_game_image.h"

#include <bit>
#include <cstring>
#include <type_traits>
#include <utility>

#include "core/history/season_lines.h"
#include "core/persist/saved_game_groups.h"
#include "core/persist/saved_game_indexes.h"
#include "core/persist/saved_game_ranges.h"
#include "core/players_to_settle.h"

namespace tarvelon {

static_assert(std::endian::native == std::endian::little, "saved games are little-endian raw images");

namespace {

template <typename Record>
void AppendRaw(std::string& out, const Record* records, std::size_t count)
{
    static_assert(std::is_trivially_copyable_v<Record>);
    out.append(reinterpret_cast<const char*>(records), count * sizeof(Record));
}

void AppendInt32(std::string& out, std::int32_t value) { AppendRaw(out, &value, 1); }

// Writes the live tables; the staging member of each block is not used.
struct BlockWriter {
    std::string& out;

    template <typename Record, typename Staging>
    void operator()(int countField, const Staging&, const std::vector<Record>& live)
    {
        (void)countField;
        AppendInt32(out, static_cast<std::int32_t>(live.size()));
        AppendRaw(out, live.data(), live.size());
    }

    template <typename Record, std::size_t N, typename Staging>
    void operator()(int countField, const Staging&, const std::array<Record, N>& live)
    {
        AppendInt32(out, countField);
        AppendRaw(out, live.data(), N);
    }
};

// Counts the bytes the writer will append, so the image is allocated once.
struct BlockSizer {
    std::size_t& bytes;

    template <typename Record, typename Staging>
    void operator()(int, const Staging&, const std::vector<Record>& live)
    {
        bytes += sizeof(std::int32_t) + live.size() * sizeof(Record);
    }

    template <typename Record, std::size_t N, typename Staging>
    void operator()(int, const Staging&, const std::array<Record, N>&)
    {
        bytes += sizeof(std::int32_t) + N * sizeof(Record);
    }
};

// Reads from the front of the bytes; every length is checked against the bytes left, so no count,
// however large or negative, reads past the end or allocates more than the file holds.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : rest_(bytes) {}

    bool ok() const { return ok_; }
    bool atEnd() const { return rest_.empty(); }

    template <typename Record>
    bool readRaw(Record* records, std::size_t count)
    {
        static_assert(std::is_trivially_copyable_v<Record>);
        if (!ok_ || count > rest_.size() / sizeof(Record)) {
            ok_ = false;
            return false;
        }
        const std::size_t bytes = count * sizeof(Record);
        if (bytes > 0) std::memcpy(static_cast<void*>(records), rest_.data(), bytes);
        rest_.remove_prefix(bytes);
        return true;
    }

    std::int32_t readInt32()
    {
        std::int32_t value = 0;
        readRaw(&value, 1);
        return value;
    }

    template <typename Record>
    void readCounted(std::vector<Record>& table)
    {
        const std::int32_t count = readInt32();
        if (!ok_ || count < 0 || static_cast<std::size_t>(count) > rest_.size() / sizeof(Record)) {
            ok_ = false;
            return;
        }
        table.resize(static_cast<std::size_t>(count));
        readRaw(table.data(), table.size());
    }

    template <typename Record, std::size_t N>
    void readFixed(std::array<Record, N>& table)
    {
        readInt32();  // the count field of a fixed block is not read as a count
        readRaw(table.data(), N);
    }

private:
    std::string_view rest_;
    bool ok_ = true;
};

struct BlockReader {
    ByteReader& in;

    template <typename Record, typename Live>
    void operator()(int, std::vector<Record>& staging, const Live&) { in.readCounted(staging); }

    template <typename Record, std::size_t N, typename Live>
    void operator()(int, std::array<Record, N>& staging, const Live&) { in.readFixed(staging); }
};

struct BlockInstaller {
    template <typename Table>
    void operator()(int, Table& staging, Table& live) { live = std::move(staging); }
};

SavedGameCheck ReadHeader(ByteReader& in, TGameState& game)
{
    in.readInt32();  // the lead (1) is not checked: the version inside the game state is
    TGameState header{};
    if (!in.readRaw(&header, 1)) return SavedGameCheck::kCorrupt;
    if (header.saveVersion != kSaveVersion) return SavedGameCheck::kWrongVersion;
    if (!SavedGameStateInRange(header)) return SavedGameCheck::kCorrupt;
    game = header;
    return SavedGameCheck::kValid;
}

}  // namespace

std::string WriteSavedGameImage()
{
    HoldLiveTablesInSavedRanges();
    SavedGameImage unused;  // the writer and the sizer read the live tables only
    std::size_t bytes = kSavedGameHeaderBytes;
    VisitSavedBlocks(unused, BlockSizer{bytes});
    std::string out;
    out.reserve(bytes);
    AppendInt32(out, kSavedGameLead);
    AppendRaw(out, &Game, 1);
    VisitSavedBlocks(unused, BlockWriter{out});
    return out;
}

SavedGameCheck ReadSavedGameImage(std::string_view bytes, SavedGameImage& image)
{
    ByteReader in(bytes);
    const SavedGameCheck header = ReadHeader(in, image.game);
    if (header != SavedGameCheck::kValid) return header;
    VisitSavedBlocks(image, BlockReader{in});
    // Bytes after the last block mean the counts do not describe this file.
    if (!in.ok() || !in.atEnd()) return SavedGameCheck::kCorrupt;
    return SavedRangeBroken(image) == nullptr && SavedGroupsHoldEachClubOnce(image) &&
                   SavedIndexesInTables(image)
               ? SavedGameCheck::kValid
               : SavedGameCheck::kCorrupt;
}

void InstallSavedGameImage(SavedGameImage& image)
{
    Game = image.game;
    VisitSavedBlocks(image, BlockInstaller{});
    EnsurePlayerElementZero();
    HistoryTablesChanged();
    MarkEveryoneToSettle();
}

}  // namespace tarvelon
