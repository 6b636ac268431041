#pragma once
// The cut of a bevel drawn inside or around a panel or a label's frame.
namespace tarvelon {

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

}  // namespace tarvelon
