// Reading a whole file into memory, for the database reader and the CSV reader.
#pragma once

// std
#include <filesystem>
#include <optional>
#include <string>

namespace pdb {

// The bytes of a regular file; nothing when it does not exist, is not a regular file (a
// folder, a pipe, a device) or cannot be read. Never blocks on a pipe.
[[nodiscard]] std::optional<std::string> readFileBytes(const std::filesystem::path &path);

// True when something exists at the path (a missing file or folder gives false, never an
// exception).
[[nodiscard]] bool pathExists(const std::filesystem::path &path);

} // namespace pdb
