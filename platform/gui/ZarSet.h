#pragma once
// A set of values of one enumeration, stored as a bit mask indexed by the
// enumerators' ordinals (0..63). Used for every "set of" type of the
// components: shift states, segments, options, drawing states. A value
// whose ordinal lies outside 0..63 gives undefined behaviour (in a constant
// expression, an error).

#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace zar {

template <typename Enum>
class TSet {
  static_assert(std::is_enum_v<Enum>, "TSet holds enumeration values");

 public:
  using Bits = std::uint64_t;

  // The empty set.
  constexpr TSet() noexcept = default;
  // The set of the values listed; repeats count once.
  constexpr TSet(std::initializer_list<Enum> values) noexcept {
    for (Enum v : values) FBits |= Bit(v);
  }
  // The set whose members are the set bits of a stored mask (bit n = ordinal n).
  static constexpr TSet FromBits(Bits bits) noexcept {
    TSet s;
    s.FBits = bits;
    return s;
  }
  // The mask FromBits takes: bit n set for the member of ordinal n.
  constexpr Bits ToBits() const noexcept { return FBits; }

  constexpr bool Contains(Enum v) const noexcept { return (FBits & Bit(v)) != 0; }
  constexpr bool Empty() const noexcept { return FBits == 0; }
  // The number of members, 0..64.
  constexpr int Count() const noexcept {
    int n = 0;
    for (Bits b = FBits; b != 0; b &= b - 1) ++n;
    return n;
  }
  // Adds v (nothing when it is a member already); returns this set.
  constexpr TSet& Include(Enum v) noexcept {
    FBits |= Bit(v);
    return *this;
  }
  // Removes v (nothing when it is not a member); returns this set.
  constexpr TSet& Exclude(Enum v) noexcept {
    FBits &= ~Bit(v);
    return *this;
  }

  // Union (+), difference (-: members of a not in b) and intersection (*).
  friend constexpr TSet operator+(TSet a, TSet b) noexcept { return FromBits(a.FBits | b.FBits); }
  friend constexpr TSet operator-(TSet a, TSet b) noexcept { return FromBits(a.FBits & ~b.FBits); }
  friend constexpr TSet operator*(TSet a, TSet b) noexcept { return FromBits(a.FBits & b.FBits); }
  // Members in exactly one of the two sets.
  friend constexpr TSet operator^(TSet a, TSet b) noexcept { return FromBits(a.FBits ^ b.FBits); }
  TSet& operator+=(TSet b) noexcept { return *this = *this + b; }
  TSet& operator-=(TSet b) noexcept { return *this = *this - b; }
  friend constexpr bool operator==(TSet a, TSet b) noexcept = default;

 private:
  static constexpr Bits Bit(Enum v) noexcept {
    return Bits{1} << static_cast<unsigned>(static_cast<std::underlying_type_t<Enum>>(v));
  }
  Bits FBits = 0;
};

}  // namespace zar
