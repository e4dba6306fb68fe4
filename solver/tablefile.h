// The solver's tables on disk: a signature naming what the file holds, the tables' bytes and a
// checksum, so that a file of another kind, another build or a damaged one is refused (and the
// tables are built instead).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <span>
#include <string>
#include <vector>

namespace tessel::solver {

// Memory of a large table, on huge pages where the system offers them: the searches read the
// tables at random, and fewer page-table misses make each read cheaper.
template<class T>
struct LargePageAllocator
{
    using value_type = T;
    LargePageAllocator() = default;
    template<class U>
    LargePageAllocator(const LargePageAllocator<U>&)
    { }
    T* allocate(size_t n);
    void deallocate(T* p, size_t) { std::free(p); }
    template<class U>
    bool operator==(const LargePageAllocator<U>&) const
    {
        return true;
    }
};

void* allocateLarge(size_t bytes);

template<class T>
T* LargePageAllocator<T>::allocate(size_t n)
{
    return static_cast<T*>(allocateLarge(n * sizeof(T)));
}

using TableBytes = std::vector<uint8_t, LargePageAllocator<uint8_t>>;

bool writeTableFile(const std::string& path, const std::string& signature,
                    const std::vector<std::span<const uint8_t>>& tables);

// Fills `tables`, each already of the size expected; false, with the tables' content undefined,
// when the file is missing, of another signature or sizes, short, or fails its checksum.
bool readTableFile(const std::string& path, const std::string& signature,
                   const std::vector<std::span<uint8_t>>& tables);

} // namespace tessel::solver
