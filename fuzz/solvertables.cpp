// The solver's table file reader: whatever a file holds, it is refused or mapped whole, the
// tables exactly the bytes a write of them gives; and a file written whole and then changed in
// any one byte, cut or lengthened is refused.
#include "fuzzsupport.h"

#include "solver/tablefile.h"

#include <cstring>
#include <string>
#include <vector>

using namespace tessel;
using namespace tessel::fuzz;
using namespace tessel::solver;

namespace {

const std::string signature = "tessel fuzz tables";

std::string filePath(const char* name)
{
    return (scratchFolder() + QLatin1Char('/') + QLatin1String(name)).toStdString();
}

void writeBytes(const std::string& path, const uint8_t* data, size_t size)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
        fail("cannot write the scratch file");
}

std::vector<uint8_t> readBytes(const std::string& path)
{
    std::vector<uint8_t> bytes;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        fail("cannot read the scratch file");
    for (int c; (c = std::fgetc(file)) != EOF;)
        bytes.push_back(uint8_t(c));
    std::fclose(file);
    return bytes;
}

// The sizes a file's header claims, when it is laid out as a table file's (at most 8 tables
// of at most 1 MB each): what a reader asking for those sizes would get.
std::vector<size_t> claimedSizes(const uint8_t* data, size_t size)
{
    const size_t start = 8 + 4 + signature.size();
    if (size < start + 4)
        return {};
    uint32_t count = 0;
    std::memcpy(&count, data + start, 4);
    std::vector<size_t> sizes;
    for (uint32_t i = 0; i < count && i < 8 && start + 4 + 8 * (i + 1) <= size; ++i) {
        uint64_t table = 0;
        std::memcpy(&table, data + start + 4 + 8 * i, 8);
        sizes.push_back(size_t(table % (1 << 20)));
    }
    return sizes;
}

// Any file: refused, or its tables are what writing them again puts in a file just like it.
void anyFile(const uint8_t* data, size_t size)
{
    const std::string path = filePath("any.tables");
    writeBytes(path, data, size);
    const std::vector<size_t> sizes = claimedSizes(data, size);
    const auto tables = mapTableFile(path, signature, sizes);
    if (!tables)
        return;
    check(tables->size() == sizes.size(), "a table missing or more");
    std::vector<std::span<const uint8_t>> views;
    for (size_t i = 0; i < sizes.size(); ++i) {
        check((*tables)[i].size() == sizes[i] && (*tables)[i].mapped(), "a table of another size");
        views.push_back((*tables)[i]);
    }
    const std::string again = filePath("again.tables");
    check(writeTableFile(again, signature, views), "cannot write the tables back");
    const std::vector<uint8_t> written = readBytes(again);
    check(written.size() == size && std::memcmp(written.data(), data, size) == 0,
          "an accepted file is not what its tables write");
}

// Tables from the input written whole: read back the same; then one change of the input's
// choosing, each of which must be refused.
void writtenThenChanged(const uint8_t* data, size_t size)
{
    if (size < 4)
        return;
    const size_t cut = std::min<size_t>(data[0] | data[1] << 8, size - 4);
    const uint8_t change = data[2];
    const uint8_t at = data[3];
    const uint8_t* content = data + 4;
    const size_t length = size - 4;
    // Two tables: the content split where the input says.
    const size_t split = length == 0 ? 0 : cut % (length + 1);
    const std::vector<std::span<const uint8_t>> written
        = { { content, split }, { content + split, length - split } };
    const std::vector<size_t> sizes = { split, length - split };
    const std::string path = filePath("written.tables");
    check(writeTableFile(path, signature, written), "cannot write tables");
    const auto read = mapTableFile(path, signature, sizes);
    check(read.has_value(), "a file written whole is refused");
    for (size_t i = 0; i < 2; ++i)
        check((*read)[i].size() == sizes[i]
                  && std::memcmp((*read)[i].data(), written[i].data(), sizes[i]) == 0,
              "a table reads back different");
    check(!mapTableFile(path, signature + "!", sizes), "another signature is accepted");
    check(!mapTableFile(path, signature, { length - split, split }) || split * 2 == length,
          "other sizes are accepted");

    std::vector<uint8_t> file = readBytes(path);
    switch (change % 3) {
    case 0: // one byte flipped, wherever the input says
        file[(size_t(at) * 7919 + cut) % file.size()] ^= uint8_t(change | 1);
        break;
    case 1: // cut short
        file.resize(file.size() - 1 - (size_t(at) % file.size()));
        break;
    default: // lengthened
        file.insert(file.end(), 1 + at % 16, change);
        break;
    }
    writeBytes(path, file.data(), file.size());
    check(!mapTableFile(path, signature, sizes), "a changed file is accepted");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    if (data[0] % 2 == 0)
        anyFile(data + 1, size - 1);
    else
        writtenThenChanged(data + 1, size - 1);
    return 0;
}
