#pragma once
// Finding the first record with a given key in a history table that mostly grows at its end (the
// season lines, the goal tallies, the coaches' season rows), without walking the table: a map from
// each key to the index of its first record, brought up to date with the records appended since the
// last call. A lookup costs the same in the tenth season as in the first.
//
// A table that shrank, or a found record that no longer has its key (the table was reordered),
// makes the map again from the table. Code that replaces the table with other contents of the same
// size or more (a loaded game) calls Forget().
//
// In front of the map sits the index last found for each first key field (a player, a coach): the
// season's lookups ask for the same few keys again and again, and the map, holding every season's
// keys, misses the processor's caches more with every season played.
//
// A table whose key holds the season (SeasonField, the index of that field in the key) keeps one map
// per season: the season being played asks for its own keys, among them every new line's key that
// is not there yet, and its map stays as small as in the first seasons instead of growing into the
// processor's slower caches with the history. The keys of different seasons differ, so each key's
// first record is the same as with one map.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/basics/index_check.h"
#include "core/history/record_key_table.h"

namespace tarvelon {

constexpr int kNoSeasonField = -1;

template <typename Record, RecordKey (*KeyOf)(const Record&), int SeasonField = kNoSeasonField>
class FirstRecordLookup {
public:
    explicit FirstRecordLookup(const std::vector<Record>& table) : table_(table) {}

    // The index of the first record whose key is `key`, or -1.
    int Find(const RecordKey& key)
    {
        const int found = FindInMap(key);
#ifdef TARVELON_CHECK_INDEXES
        if (SampledIndexCheck() && found != FindByWalk(key)) {
            std::fprintf(stderr, "record lookup out of date: a change of its table was not reported\n");
            std::abort();
        }
#endif
        return found;
    }

    void Forget()
    {
        first_.clear();
        seen_ = 0;
        recent_.clear();
    }

private:
    int FindInMap(const RecordKey& key)
    {
        if (table_.size() < seen_)
            Forget();
        const int recent = RecentFor(key);
        if (recent >= 0)
            return recent;
        const int found = FindInFullMap(key);
        RememberRecent(key, found);
        return found;
    }

    // The index last found for the key's first field, if its record (still) has the whole key. Like
    // the map, it stays the first record of its key while records are only appended.
    int RecentFor(const RecordKey& key) const
    {
        const auto slot = static_cast<std::size_t>(static_cast<std::uint32_t>(key[0]));
        if (slot >= recent_.size())
            return -1;
        const int index = recent_[slot];
        if (index < 0 || static_cast<std::size_t>(index) >= table_.size())
            return -1;
        return KeyOf(table_[static_cast<std::size_t>(index)]) == key ? index : -1;
    }

    void RememberRecent(const RecordKey& key, int found)
    {
        const auto slot = static_cast<std::size_t>(static_cast<std::uint32_t>(key[0]));
        if (found < 0 || slot >= kMaxRecentSlots)
            return;
        if (slot >= recent_.size())
            recent_.resize(slot + 1, -1);
        recent_[slot] = found;
    }

    int FindInFullMap(const RecordKey& key)
    {
        TakeNewRecords();
        const int found = FindInItsMap(key);
        if (found < 0)
            return -1;
        if (KeyOf(table_[static_cast<std::size_t>(found)]) == key)
            return found;
        Forget();  // the table was reordered under the map
        TakeNewRecords();
        return FindInItsMap(key);
    }

    // A record not yet seen is its key's first unless the key is known already.
    void TakeNewRecords()
    {
        for (; seen_ < table_.size(); ++seen_) {
            const RecordKey key = KeyOf(table_[seen_]);
            MapFor(key).TryEmplace(key, static_cast<int>(seen_));
        }
    }

    int FindInItsMap(const RecordKey& key) const
    {
        const std::size_t at = MapIndex(key);
        return at < first_.size() ? first_[at].Find(key) : -1;
    }

    RecordKeyTable& MapFor(const RecordKey& key)
    {
        const std::size_t at = MapIndex(key);
        if (at >= first_.size())
            first_.resize(at + 1);
        return first_[at];
    }

    // The map of the key's season (a season beyond the usual range shares map 0 with the others
    // beyond it); the one map of a table without seasons.
    static std::size_t MapIndex(const RecordKey& key)
    {
        if constexpr (SeasonField == kNoSeasonField) {
            return 0;
        } else {
            const std::int32_t season = key[SeasonField];
            return season >= 1 && season < kMaxSeasonMaps ? static_cast<std::size_t>(season) : 0;
        }
    }

    int FindByWalk(const RecordKey& key) const
    {
        for (std::size_t i = 0; i < table_.size(); ++i)
            if (KeyOf(table_[i]) == key)
                return static_cast<int>(i);
        return -1;
    }

    const std::vector<Record>& table_;
    static constexpr std::int32_t kMaxSeasonMaps = 1024;
    std::vector<RecordKeyTable> first_;  // by MapIndex
    std::size_t seen_ = 0;  // records taken into the map
    static constexpr std::size_t kMaxRecentSlots = 1u << 22;  // a key field beyond it goes to the map
    std::vector<int> recent_;  // by the key's first field: the index last found, or -1
};

}  // namespace tarvelon
