#pragma once
// A saved game's bytes changed by hand, as a hostile player would change a file: the game itself
// never writes a number beyond the range its loader takes.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "core/persist/saved_game_image.h"

namespace tarvelon::test {

// Where field `field` (its offset in the record) of record `record` of the saved table `member` lies
// in the file `bytes`.
template <typename Table>
std::size_t FieldOffset(const std::string& bytes, Table SavedGameImage::*member, std::size_t record, std::size_t field)
{
    auto image = std::make_unique<SavedGameImage>();
    ReadSavedGameImage(bytes, *image);  // read whole whatever its checks say
    std::size_t at = kSavedGameHeaderBytes;
    std::size_t found = 0;
    VisitSavedBlocks(*image, [&](int, auto& table, auto&) {
        if (static_cast<const void*>(&table) == static_cast<const void*>(&((*image).*member)))
            found = at + 4 + record * sizeof(table[0]) + field;
        at += 4 + table.size() * sizeof(table[0]);
    });
    EXPECT_NE(found, 0u);
    return found;
}

// Where field `field` of the game state lies in a file.
inline std::size_t GameStateOffset(std::size_t field) { return 4 + field; }

template <typename Number>
std::string WithNumber(std::string bytes, std::size_t at, Number value)
{
    std::memcpy(bytes.data() + at, &value, sizeof value);
    return bytes;
}

inline std::string WithInt32(std::string bytes, std::size_t at, std::int32_t value)
{
    return WithNumber(std::move(bytes), at, value);
}

inline std::string WithInt64(std::string bytes, std::size_t at, std::int64_t value)
{
    return WithNumber(std::move(bytes), at, value);
}

// A saved game's image written back as the bytes of a file, as the game writes its live tables.
inline std::string ImageBytes(const SavedGameImage& image)
{
    std::string out;
    const auto append = [&out](const void* data, std::size_t bytes) { out.append(static_cast<const char*>(data), bytes); };
    append(&kSavedGameLead, sizeof kSavedGameLead);
    append(&image.game, sizeof image.game);
    VisitSavedBlocks(image, [&append](int countField, const auto& table, const auto&) {
        const auto count = static_cast<std::int32_t>(countField == kCountedBlock ? table.size() : countField);
        append(&count, sizeof count);
        append(table.data(), table.size() * sizeof(table[0]));
    });
    return out;
}

}  // namespace tarvelon::test
