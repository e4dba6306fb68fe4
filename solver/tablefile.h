// The solver's tables on disk: a signature naming what the file holds, the tables' bytes and a
// checksum, so that a file of another kind, another build or a damaged one is refused (and the
// tables are built instead). A file that passes is mapped read-only, not copied: every running
// copy of the program shares its pages, and the system may drop them and read them again.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tessel::solver {

// The bytes of one table: built in memory (writable while being built) or a read-only view of
// a mapped table file, which it keeps mapped.
class TableBytes
{
public:
    TableBytes() = default;
    TableBytes(size_t size, uint8_t fill)
        : m_owned(size, fill)
        , m_view(m_owned)
    { }
    explicit TableBytes(std::vector<uint8_t> owned)
        : m_owned(std::move(owned))
        , m_view(m_owned)
    { }
    TableBytes(std::shared_ptr<const void> mapping, std::span<const uint8_t> view)
        : m_mapping(std::move(mapping))
        , m_view(view)
    { }
    TableBytes(const TableBytes& other) { *this = other; }
    TableBytes(TableBytes&& other) noexcept { *this = std::move(other); }
    TableBytes& operator=(const TableBytes& other)
    {
        if (this != &other) {
            m_owned = other.m_owned;
            m_mapping = other.m_mapping;
            m_view = m_mapping ? other.m_view : std::span<const uint8_t>(m_owned);
        }
        return *this;
    }
    TableBytes& operator=(TableBytes&& other) noexcept
    {
        // A vector's move keeps its buffer, so a view of it stays good.
        m_owned = std::move(other.m_owned);
        m_mapping = std::move(other.m_mapping);
        m_view = m_mapping ? other.m_view : std::span<const uint8_t>(m_owned);
        other.m_view = {};
        return *this;
    }

    size_t size() const { return m_view.size(); }
    const uint8_t* data() const { return m_view.data(); }
    uint8_t operator[](size_t i) const { return m_view[i]; }
    operator std::span<const uint8_t>() const { return m_view; }
    std::span<const uint8_t> span() const { return m_view; }
    // Whether the bytes are a view of a mapped file.
    bool mapped() const { return m_mapping != nullptr; }
    // The bytes of a table being built; empty for a mapped one.
    std::span<uint8_t> writable() { return m_owned; }

private:
    std::vector<uint8_t> m_owned;
    std::shared_ptr<const void> m_mapping;
    std::span<const uint8_t> m_view;
};

bool writeTableFile(const std::string& path, const std::string& signature,
                    const std::vector<std::span<const uint8_t>>& tables);

// The tables of a file written by writeTableFile(), one of each size asked for, mapped
// read-only; nullopt when the file is missing, not a regular file, of another signature or
// sizes, short, long, or fails its checksum. Never blocks on a FIFO or a device.
std::optional<std::vector<TableBytes>> mapTableFile(const std::string& path,
                                                    const std::string& signature,
                                                    const std::vector<size_t>& sizes);

} // namespace tessel::solver
