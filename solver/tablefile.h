// The solver's tables on disk: a signature naming what the file holds, the tables' bytes and a
// checksum, so that a file of another kind, another build or a damaged one is refused (and the
// tables are built instead).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tessel::solver {

// The bytes of one table.
using TableBytes = std::vector<uint8_t>;

bool writeTableFile(const std::string& path, const std::string& signature,
                    const std::vector<std::span<const uint8_t>>& tables);

// Fills `tables`, each already of the size expected; false, with the tables' content undefined,
// when the file is missing, of another signature or sizes, short, or fails its checksum.
bool readTableFile(const std::string& path, const std::string& signature,
                   const std::vector<std::span<uint8_t>>& tables);

} // namespace tessel::solver
