#include "tools/savesweep/saved_fields.h"

#include <cstdint>
#include <type_traits>
#include <vector>

#include "asserted_field_list.h"
#include "core/persist/saved_game_blocks.h"

namespace tarvelon::savesweep {

namespace {

template <typename Field>
constexpr int IntWidth = std::is_same_v<std::remove_all_extents_t<Field>, std::int32_t>   ? 4
                         : std::is_same_v<std::remove_all_extents_t<Field>, std::int64_t> ? 8
                                                                                           : 0;

template <typename Field>
std::vector<int> ExtentsOf()
{
    if constexpr (std::rank_v<Field> == 0) {
        return {};
    } else {
        std::vector<int> extents = ExtentsOf<std::remove_extent_t<Field>>();
        extents.insert(extents.begin(), static_cast<int>(std::extent_v<Field>));
        return extents;
    }
}

}  // namespace

const std::vector<AssertedField>& AssertedFields()
{
#define TARVELON_ASSERTED_FIELD(Record, field)                                                      \
    AssertedField{#Record, typeid(Record), #field, offsetof(Record, field), sizeof(Record::field), \
                  IntWidth<decltype(Record::field)>, ExtentsOf<decltype(Record::field)>()},
    static const std::vector<AssertedField> fields{TARVELON_ASSERTED_FIELDS(TARVELON_ASSERTED_FIELD)};
#undef TARVELON_ASSERTED_FIELD
    return fields;
}

std::vector<IntField> IntFieldsOf(std::type_index record)
{
    std::vector<IntField> fields;
    for (const AssertedField& field : AssertedFields())
        if (field.recordType == record && field.intWidth > 0)
            fields.push_back(IntField{std::string(field.record) + "::" + field.name, field.offset,
                                      static_cast<int>(field.size / static_cast<std::size_t>(field.intWidth)),
                                      field.intWidth, field.extents});
    return fields;
}

std::string ElementText(const std::vector<int>& extents, int element)
{
    std::string text;
    for (auto extent = extents.rbegin(); extent != extents.rend(); ++extent) {
        text.insert(0, "[" + std::to_string(element % *extent) + "]");
        element /= *extent;
    }
    return text;
}

std::string FieldNameAt(std::type_index record, std::size_t offset)
{
    for (const AssertedField& field : AssertedFields())
        if (field.recordType == record && offset >= field.offset && offset < field.offset + field.size)
            return std::string(field.record) + "::" + field.name;
    return {};
}

std::size_t UncoveredBytes(std::type_index record, std::size_t size)
{
    std::vector<bool> covered(size, false);
    for (const AssertedField& field : AssertedFields())
        if (field.recordType == record)
            for (std::size_t at = field.offset; at < field.offset + field.size && at < size; ++at)
                covered[at] = true;
    std::size_t uncovered = 0;
    for (const bool byte : covered)
        uncovered += byte ? 0 : 1;
    return uncovered;
}

const std::vector<SavedTable>& SavedTables()
{
    static const std::vector<SavedTable> tables = [] {
        std::vector<SavedTable> list{SavedTable{"Game", typeid(TGameState), sizeof(TGameState)}};
#define TARVELON_SAVED_TABLE(count, Type, member, live) \
    list.push_back(SavedTable{#live, typeid(Type::value_type), sizeof(Type::value_type)});
        TARVELON_SAVED_BLOCKS(TARVELON_SAVED_TABLE)
#undef TARVELON_SAVED_TABLE
        return list;
    }();
    return tables;
}

}  // namespace tarvelon::savesweep
