#pragma once
// Finding the first record with a given key in a history table that mostly grows at its end (the
// season lines, the goal tallies), without walking the table: the records are chained by player in
// table order, and the chains are brought up to date with the records appended since the last call.
//
// A table that shrank, or a chain that names a record of another player (the table was reordered),
// starts the chains again from the table. Code that replaces the table
// with other contents of the same size or more (a loaded game) calls Forget().
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace tarvelon {

// A record's key; its first number (the player) picks the chain the record is kept in.
using RecordKey = std::array<std::int32_t, 3>;

template <typename Record, RecordKey (*KeyOf)(const Record&)>
class FirstRecordLookup {
public:
    explicit FirstRecordLookup(const std::vector<Record>& table) : table_(table) {}

    // The index of the first record whose key is `key`, or -1.
    int Find(const RecordKey& key)
    {
        const int found = FindInChains(key);
#ifdef TARVELON_CHECK_INDEXES
        if (found != FindByWalk(key)) {
            std::fprintf(stderr, "record lookup out of date: a change of its table was not reported\n");
            std::abort();
        }
#endif
        return found;
    }

    void Forget()
    {
        first_.clear();
        last_.clear();
        next_.clear();
    }

private:
    // Chains are kept for first numbers 0 .. kChainLimit - 1; others (only a damaged record holds
    // one) are found by a walk.
    static constexpr std::int32_t kChainLimit = 1 << 22;

    static bool Chained(std::int32_t number) { return number >= 0 && number < kChainLimit; }

    int FindInChains(const RecordKey& key)
    {
        if (!Chained(key[0]))
            return FindByWalk(key);
        if (table_.size() < next_.size())
            Forget();
        TakeNewRecords();
        bool intact = true;
        const int found = FindInChain(key, intact);
        if (intact)
            return found;
        Forget();  // the table was reordered under the chains
        TakeNewRecords();
        return FindInChain(key, intact);
    }

    // `intact` turns false when a record of the chain belongs to another one now.
    int FindInChain(const RecordKey& key, bool& intact) const
    {
        if (key[0] >= static_cast<std::int32_t>(first_.size()))
            return -1;
        for (int i = first_[key[0]]; i >= 0; i = next_[i]) {
            const RecordKey k = KeyOf(table_[i]);
            if (k == key)
                return i;
            if (k[0] != key[0]) {
                intact = false;
                return -1;
            }
        }
        return -1;
    }

    // Records not yet seen join the end of their chains, so each chain runs in table order.
    void TakeNewRecords()
    {
        for (std::size_t i = next_.size(); i < table_.size(); ++i) {
            next_.push_back(-1);
            const std::int32_t chain = KeyOf(table_[i])[0];
            if (!Chained(chain))
                continue;
            if (chain >= static_cast<std::int32_t>(first_.size())) {
                first_.resize(chain + 1, -1);
                last_.resize(chain + 1, -1);
            }
            if (last_[chain] >= 0)
                next_[last_[chain]] = static_cast<int>(i);
            else
                first_[chain] = static_cast<int>(i);
            last_[chain] = static_cast<int>(i);
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
    std::vector<int> first_;  // by chain: its first record, -1 none
    std::vector<int> last_;   // by chain: its last record
    std::vector<int> next_;   // by record: the next one of its chain; one element per record seen
};

}  // namespace tarvelon
