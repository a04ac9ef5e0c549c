// Whether a panel's file is there, known to be gone, or only out of reach (a USB drive
// pulled out, a network share offline): only a target known to be gone empties its panel.
#pragma once

#include <cstddef>
#include <cstdint>

enum class TargetReach {
    present,     // the file is there
    gone,        // its drive or share answers, and the file is not there
    unreachable, // its drive or share does not answer (or the file cannot be asked about)
};

constexpr uint32_t REACH_FILE_NOT_FOUND = 2;
constexpr uint32_t REACH_PATH_NOT_FOUND = 3;

// The judgement from the system's answers: root_error for the drive's or share's root
// folder, file_error for the file itself; 0 where the answer was that it exists.
TargetReach judge_target(uint32_t root_error, uint32_t file_error);

// The root folder of a full path: "C:\" for a drive path, "\\server\share\" for a network
// path. Returns false (out empty) for anything else: relative paths, device and \\?\ paths.
bool target_root(const char* path, char* out, size_t out_size);

// The text after the last backslash: what an out-of-reach panel shows.
const char* target_file_name(const char* path);
