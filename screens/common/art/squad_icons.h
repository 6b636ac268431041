#pragma once
// The icons of the squad lists: shirt-number status pictures (24 x 18), condition icons (16 x 16:
// ban, injury, three yellow cards, each also with a star, and the star alone), morale faces and
// the squad-mood faces of the hub.
namespace tarvelon {
class TImageList;
}

namespace tarvelon::art {

// Status pictures 0..88: 0..28 starter shirts by number, 29..57 substitutes, 58..86 free players,
// 87 unavailable, 88 not available before the next match.
inline constexpr int kStatusUnavailable = 87;
inline constexpr int kStatusBlocked = 88;
void FillShirtStatusImages(TImageList& list);

// The national-team hub's status pictures, by the mark of the row: 9 in the eleven, 10 free,
// 11 unavailable, 13 on the bench; the others empty. Shirts without numbers: a national squad
// has none of the club's.
inline constexpr int kNationalStarter = 9;
inline constexpr int kNationalFree = 10;
inline constexpr int kNationalUnavailable = 11;
inline constexpr int kNationalSubstitute = 13;
inline constexpr int kNationalStatusImages = 14;
void FillNationalStatusImages(TImageList& list);

// Condition icons 0..12: 1 banned, 3 injured, 4 three yellow cards, + 4 for a star, 12 star.
inline constexpr int kConditionStar = 12;
void FillConditionImages(TImageList& list);

// Morale faces at morale + 7 (8 low, 9 normal, 10 high); the others empty.
void FillMoraleImages(TImageList& list);

// Squad mood faces at mood - 1 (0 low .. 2 high), 24 x 24.
void FillMoodImages(TImageList& list);

}  // namespace tarvelon::art
