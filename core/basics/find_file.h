#pragma once
// The game's data files were made on a system that ignores the case of names: "sons/Gol1.WAV" must
// be found as "sons/gol1.wav". Looks a path up folder by folder, taking the exact name when it is
// there and else the first entry whose name differs only in case.
#include <filesystem>
#include <optional>

namespace tarvelon {

// The path of the file or folder as it is on disk, or nothing when there is none.
std::optional<std::filesystem::path> FindFileIgnoringCase(const std::filesystem::path& path);

}  // namespace tarvelon
