#include "solver/tablefile.h"

#include <cstdio>
#include <cstring>
#include <fstream>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

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

std::optional<std::vector<TableBytes>> mapTableFile(const std::string& path,
                                                    const std::string& signature,
                                                    const std::vector<size_t>& sizes)
{
    // Without blocking: a FIFO put in the file's place would wait for a writer for ever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat info
    {
    };
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    // The whole layout is known from the signature and the sizes: the file must be exactly that.
    uint64_t expected = sizeof magic + 4 + signature.size() + 4 + 8 * sizes.size() + 8;
    for (const size_t size : sizes)
        expected += size;
    if (!regular || uint64_t(info.st_size) != expected) {
        ::close(fd);
        return std::nullopt;
    }
    void* address = ::mmap(nullptr, size_t(expected), PROT_READ, MAP_SHARED, fd, 0);
    ::close(fd); // the mapping keeps the file
    if (address == MAP_FAILED)
        return std::nullopt;
    const size_t length = size_t(expected);
    const std::shared_ptr<const void> mapping(
        address, [length](const void* a) { ::munmap(const_cast<void*>(a), length); });
    const auto* bytes = static_cast<const uint8_t*>(address);
    size_t at = 0;
    auto take = [&](void* out, size_t n) {
        std::memcpy(out, bytes + at, n);
        at += n;
    };
    char head[sizeof magic];
    take(head, sizeof head);
    if (std::memcmp(head, magic, sizeof magic) != 0)
        return std::nullopt;
    uint32_t length32 = 0;
    take(&length32, 4);
    if (length32 != signature.size()
        || std::memcmp(bytes + at, signature.data(), signature.size()) != 0)
        return std::nullopt;
    at += signature.size();
    uint32_t count = 0;
    take(&count, 4);
    if (count != sizes.size())
        return std::nullopt;
    for (const size_t size : sizes) {
        uint64_t stored = 0;
        take(&stored, 8);
        if (stored != size)
            return std::nullopt;
    }
    std::vector<TableBytes> tables;
    std::vector<std::span<const uint8_t>> views;
    for (const size_t size : sizes) {
        views.emplace_back(bytes + at, size);
        tables.emplace_back(mapping, views.back());
        at += size;
    }
    uint64_t sum = 0;
    take(&sum, 8);
    if (sum != checksum(views))
        return std::nullopt;
    return tables;
}

} // namespace tessel::solver
