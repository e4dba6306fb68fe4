#include "solver/tablefile.h"

#include <cstdio>
#include <cstring>
#include <fstream>

namespace tessel::solver {

namespace {

constexpr char magic[8] = { 'T', 'E', 'S', 'S', 'E', 'L', 'D', 'B' };

// FNV-1a over 64-bit words: fast enough to check a few megabytes on every load.
uint64_t checksum(const std::vector<std::span<const uint8_t>>& tables)
{
    uint64_t hash = 14695981039346656037ull;
    for (const auto table : tables) {
        const size_t words = table.size() / 8;
        for (size_t i = 0; i < words; ++i) {
            uint64_t word;
            std::memcpy(&word, table.data() + i * 8, 8);
            hash = (hash ^ word) * 1099511628211ull;
        }
        for (size_t i = words * 8; i < table.size(); ++i)
            hash = (hash ^ table[i]) * 1099511628211ull;
        hash = (hash ^ table.size()) * 1099511628211ull;
    }
    return hash;
}

template<class T>
void put(std::ofstream& out, T value)
{
    out.write(reinterpret_cast<const char*>(&value), sizeof value);
}

template<class T>
bool get(std::ifstream& in, T& value)
{
    return bool(in.read(reinterpret_cast<char*>(&value), sizeof value));
}

} // namespace

bool writeTableFile(const std::string& path, const std::string& signature,
                    const std::vector<std::span<const uint8_t>>& tables)
{
    const std::string partial = path + ".part";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(magic, sizeof magic);
        put(out, uint32_t(signature.size()));
        out.write(signature.data(), std::streamsize(signature.size()));
        put(out, uint32_t(tables.size()));
        for (const auto table : tables)
            put(out, uint64_t(table.size()));
        for (const auto table : tables)
            out.write(reinterpret_cast<const char*>(table.data()), std::streamsize(table.size()));
        put(out, checksum(tables));
        out.close();
        if (!out)
            return false;
    }
    // Renamed into place whole, so that a reader never sees half a file.
    return std::rename(partial.c_str(), path.c_str()) == 0;
}

bool readTableFile(const std::string& path, const std::string& signature,
                   const std::vector<std::span<uint8_t>>& tables)
{
    std::ifstream in(path, std::ios::binary);
    char head[sizeof magic];
    if (!in.read(head, sizeof head) || std::memcmp(head, magic, sizeof magic) != 0)
        return false;
    uint32_t length = 0;
    if (!get(in, length) || length != signature.size())
        return false;
    std::string stored(length, '\0');
    if (!in.read(stored.data(), length) || stored != signature)
        return false;
    uint32_t count = 0;
    if (!get(in, count) || count != tables.size())
        return false;
    for (const auto table : tables) {
        uint64_t size = 0;
        if (!get(in, size) || size != table.size())
            return false;
    }
    for (const auto table : tables)
        if (!in.read(reinterpret_cast<char*>(table.data()), std::streamsize(table.size())))
            return false;
    uint64_t sum = 0;
    if (!get(in, sum))
        return false;
    const std::vector<std::span<const uint8_t>> read(tables.begin(), tables.end());
    return sum == checksum(read) && in.peek() == std::ifstream::traits_type::eof();
}

} // namespace tessel::solver
