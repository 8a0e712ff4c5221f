#include "resources/packer/ZlibStream.h"

#include "resources/packer/Fault.h"

#include <cstring>
#include <limits>
#include <zlib.h>

namespace packer {
namespace {

constexpr size_t kEstimateFactor = 5;
constexpr size_t kGrowthGranule = 256;

size_t RoundUp(size_t value, size_t granule) {
    return (value + granule - 1) / granule * granule;
}

// Ends the inflate stream on every way out.
class InflateSession {
public:
    explicit InflateSession(const unsigned char* stream, size_t size) {
        std::memset(&z_, 0, sizeof z_);
        z_.next_in = const_cast<Bytef*>(stream);  // zlib's input pointer is not const
        z_.avail_in = static_cast<uInt>(size);
        if (inflateInit(&z_) != Z_OK)
            throw Fault("cannot start inflating: out of memory");
    }
    ~InflateSession() { inflateEnd(&z_); }
    InflateSession(const InflateSession&) = delete;
    InflateSession& operator=(const InflateSession&) = delete;
    z_stream& z() { return z_; }

private:
    z_stream z_;
};

Fault InflateFault(int result, const z_stream& z) {
    const std::string detail = z.msg ? std::string(" (zlib: ") + z.msg + ")" : "";
    if (result == Z_DATA_ERROR && z.msg && std::strcmp(z.msg, "incorrect data check") == 0)
        return Fault("the Adler-32 in the stream's trailer does not match the inflated data");
    if (result == Z_DATA_ERROR)
        return Fault("the deflate data is corrupt" + detail);
    if (result == Z_NEED_DICT)
        return Fault("the stream asks for a preset dictionary");
    if (result == Z_MEM_ERROR)
        return Fault("out of memory while inflating");
    if (z.avail_in == 0)
        return Fault("the stream ends early: it is truncated");
    return Fault("inflate failed with code " + std::to_string(result) + detail);
}

void Grow(InflatedStream& out, size_t capacity) {
    void* grown = std::realloc(out.data.get(), capacity);
    if (!grown)
        throw Fault("out of memory while inflating");
    out.data.release();
    out.data.reset(static_cast<unsigned char*>(grown));
}

void ShrinkToSize(InflatedStream& out) {
    if (out.size == 0)
        return;  // realloc to 0 bytes is not portable; keep the block
    Grow(out, out.size);
}

} // namespace

std::string ZlibHeaderFault(const unsigned char* stream, size_t size, ZlibHeader& header) {
    if (size < 2)
        return "the stream is shorter than a zlib header";
    header.method = stream[0] & 0x0F;
    const unsigned windowLog = (stream[0] >> 4) + 8;
    header.windowBytes = windowLog <= 15 ? 1u << windowLog : 0;
    header.level = stream[1] >> 6;
    header.presetDictionary = (stream[1] & 0x20) != 0;
    header.checkHolds = ((stream[0] << 8) | stream[1]) % 31 == 0;
    if (!header.checkHolds)
        return "the zlib header check fails (the first two bytes are not divisible by 31)";
    if (header.method != 8)
        return "the compression method is " + std::to_string(header.method) + ", not 8 (deflate)";
    if (windowLog > 15)
        return "the window size is above 32 KB";
    if (header.presetDictionary)
        return "the stream asks for a preset dictionary";
    return "";
}

InflatedStream InflateLikeSetup(const unsigned char* stream, size_t size) {
    ZlibHeader header;
    const std::string headerFault = ZlibHeaderFault(stream, size, header);
    if (!headerFault.empty())
        throw Fault(headerFault);
    if (size > std::numeric_limits<uInt>::max() / kEstimateFactor)
        throw Fault("the stream is too large");

    const size_t increment = RoundUp(size, kGrowthGranule);
    InflatedStream out;
    out.initialCapacity = kEstimateFactor * size;
    size_t capacity = out.initialCapacity;
    out.data.reset(static_cast<unsigned char*>(std::malloc(capacity)));
    if (!out.data)
        throw Fault("out of memory while inflating");

    InflateSession session(stream, size);
    z_stream& z = session.z();
    z.next_out = out.data.get();
    z.avail_out = static_cast<uInt>(capacity);
    for (;;) {
        const int result = inflate(&z, Z_NO_FLUSH);
        if (result == Z_STREAM_END)
            break;
        if (result != Z_OK || z.avail_out != 0)
            throw InflateFault(result, z);
        const size_t written = capacity - z.avail_out;
        capacity += increment;
        Grow(out, capacity);
        ++out.growths;
        z.next_out = out.data.get() + written;
        z.avail_out = static_cast<uInt>(increment);
    }
    out.size = z.total_out;
    out.streamBytes = size - z.avail_in;
    out.adler32 = static_cast<uint32_t>(z.adler);
    ShrinkToSize(out);
    return out;
}

std::vector<unsigned char> CompressZlibLevel9(const std::vector<unsigned char>& data) {
    uLongf length = compressBound(static_cast<uLong>(data.size()));
    std::vector<unsigned char> stream(length);
    if (compress2(stream.data(), &length, data.data(), static_cast<uLong>(data.size()), 9) != Z_OK)
        throw Fault("zlib could not compress the archive");
    stream.resize(length);
    return stream;
}

} // namespace packer
