#pragma once
// A map from a record key (three numbers) to a record index, kept in one flat array with open
// addressing: a history table gains some thirty thousand keys a season, and a map of linked nodes
// made every insertion an allocation and every lookup several misses of the processor's caches,
// more of them as the seasons piled up. Here a lookup reads one or two neighbouring slots.
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace tarvelon {

using RecordKey = std::array<std::int32_t, 3>;

class RecordKeyTable {
public:
    // The index stored for `key`, or -1.
    int Find(const RecordKey& key) const
    {
        if (slots_.empty())
            return -1;
        for (std::size_t at = Home(key);; at = (at + 1) & mask_) {
            const Slot& slot = slots_[at];
            if (slot.index < 0)
                return -1;
            if (slot.key == key)
                return slot.index;
        }
    }

    // Stores `index` for `key` unless the key has an index already.
    void TryEmplace(const RecordKey& key, int index)
    {
        if ((used_ + 1) * 2 > slots_.size())
            Grow();
        for (std::size_t at = Home(key);; at = (at + 1) & mask_) {
            Slot& slot = slots_[at];
            if (slot.index < 0) {
                slot = Slot{key, index};
                ++used_;
                return;
            }
            if (slot.key == key)
                return;
        }
    }

    void Clear()
    {
        slots_.clear();
        used_ = 0;
        mask_ = 0;
    }

private:
    struct Slot {
        RecordKey key{};
        int index = -1;  // -1: empty
    };

    std::size_t Home(const RecordKey& key) const
    {
        std::uint64_t h = static_cast<std::uint32_t>(key[0]);
        h = h * 0x9E3779B97F4A7C15ull + static_cast<std::uint32_t>(key[1]);
        h = h * 0x9E3779B97F4A7C15ull + static_cast<std::uint32_t>(key[2]);
        h *= 0x9E3779B97F4A7C15ull;
        return static_cast<std::size_t>(h >> 32) & mask_;
    }

    // Doubles the slots (at least 1024) and places every stored key again.
    void Grow()
    {
        std::vector<Slot> old = std::move(slots_);
        const std::size_t size = old.empty() ? 1024 : old.size() * 2;
        slots_.assign(size, Slot{});
        mask_ = size - 1;
        used_ = 0;
        for (const Slot& slot : old)
            if (slot.index >= 0)
                TryEmplace(slot.key, slot.index);
    }

    std::vector<Slot> slots_;
    std::size_t used_ = 0;
    std::size_t mask_ = 0;  // slots_.size() - 1 (a power of two)
};

}  // namespace tarvelon
