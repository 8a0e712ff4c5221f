// Little-endian byte output for the file formats the generator writes.
#pragma once
#include <cstdint>
#include <vector>

namespace art {

using Bytes = std::vector<std::uint8_t>;

class ByteWriter {
public:
    void u8(std::uint8_t value) { bytes_.push_back(value); }
    void u16(std::uint16_t value);
    void u32(std::uint32_t value);
    void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }
    void append(const Bytes& more) { bytes_.insert(bytes_.end(), more.begin(), more.end()); }
    std::size_t size() const { return bytes_.size(); }
    const Bytes& bytes() const { return bytes_; }

private:
    Bytes bytes_;
};

}  // namespace art
