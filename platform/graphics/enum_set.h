#pragma once
// A small set of enumeration values, as the forms write them: [fsBold, fsItalic].
#include <cstdint>
#include <initializer_list>

namespace tarvelon {

template <typename E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> values)
    {
        for (E value : values)
            bits_ |= Bit(value);
    }

    constexpr bool Contains(E value) const { return (bits_ & Bit(value)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr TSet& Include(E value) { bits_ |= Bit(value); return *this; }
    constexpr TSet& Exclude(E value) { bits_ &= ~Bit(value); return *this; }
    constexpr std::uint64_t Bits() const { return bits_; }

    friend constexpr TSet operator+(TSet a, TSet b) { return FromBits(a.bits_ | b.bits_); }
    friend constexpr TSet operator-(TSet a, TSet b) { return FromBits(a.bits_ & ~b.bits_); }
    friend constexpr TSet operator*(TSet a, TSet b) { return FromBits(a.bits_ & b.bits_); }
    friend constexpr bool operator==(TSet a, TSet b) = default;

    static constexpr TSet FromBits(std::uint64_t bits)
    {
        TSet set;
        set.bits_ = bits;
        return set;
    }

private:
    static constexpr std::uint64_t Bit(E value) { return std::uint64_t{1} << static_cast<unsigned>(value); }
    std::uint64_t bits_ = 0;
};

}  // namespace tarvelon
