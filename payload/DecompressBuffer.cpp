#include "payload/AttachFiles.h"

#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace payload {
namespace {

[[noreturn]] void FailOutOfMemory() {
    throw EPayloadError(TPayloadFault::OutOfMemory, "Out of memory while inflating the payload");
}

std::string ZlibDetail(const z_stream& stream) {
    return stream.msg ? std::string(" (zlib: ") + stream.msg + ")" : std::string();
}

bool MessageIs(const z_stream& stream, const char* text) {
    return stream.msg && std::strcmp(stream.msg, text) == 0;
}

// zlib tells its data errors apart only by its messages, which have not changed in decades.
[[noreturn]] void FailOnDataError(const z_stream& stream) {
    const std::string detail = ZlibDetail(stream);
    if (MessageIs(stream, "incorrect header check") || MessageIs(stream, "unknown compression method") ||
        MessageIs(stream, "invalid window size"))
        throw EPayloadError(TPayloadFault::BadHeader, "The payload stream has a bad zlib header" + detail);
    if (MessageIs(stream, "incorrect data check"))
        throw EPayloadError(TPayloadFault::WrongChecksum,
                            "The payload is corrupt: its Adler-32 check value does not match" + detail);
    throw EPayloadError(TPayloadFault::CorruptData, "The payload stream is corrupt" + detail);
}

[[noreturn]] void FailTruncated() {
    throw EPayloadError(TPayloadFault::TruncatedStream,
                        "The payload stream is truncated: its input ends before the end of the stream");
}

[[noreturn]] void FailOnInflateResult(int result, const z_stream& stream) {
    switch (result) {
    case Z_NEED_DICT:
        throw EPayloadError(TPayloadFault::PresetDictionary, "The payload stream asks for a preset dictionary");
    case Z_DATA_ERROR:
        FailOnDataError(stream);
    case Z_MEM_ERROR:
        FailOutOfMemory();
    case Z_OK:
    case Z_BUF_ERROR:
        FailTruncated();
    default:
        throw EPayloadError(TPayloadFault::CorruptData,
                            "The payload stream is corrupt (inflate result " + std::to_string(result) + ")");
    }
}

// Ends the inflate stream on every way out.
class InflateSession {
public:
    InflateSession(const void* input, size_t inputSize) {
        stream_.next_in = static_cast<Bytef*>(const_cast<void*>(input));
        stream_.avail_in = static_cast<uInt>(inputSize);
        const int result = inflateInit(&stream_);
        if (result == Z_MEM_ERROR) FailOutOfMemory();
        if (result != Z_OK)
            throw EPayloadError(TPayloadFault::CorruptData,
                                "zlib could not start inflating the payload" + ZlibDetail(stream_));
    }
    ~InflateSession() { inflateEnd(&stream_); }
    InflateSession(const InflateSession&) = delete;
    InflateSession& operator=(const InflateSession&) = delete;

    z_stream& stream() { return stream_; }

private:
    z_stream stream_{};
};

size_t RoundUpTo256(size_t n) { return (n + 255) & ~static_cast<size_t>(255); }

THeapBlock AllocateBlock(size_t capacity) {
    THeapBlock block(static_cast<unsigned char*>(std::malloc(capacity)));
    if (!block) FailOutOfMemory();
    return block;
}

void GrowBlock(THeapBlock& block, size_t& capacity, size_t increment) {
    if (capacity > SIZE_MAX - increment) FailOutOfMemory();
    void* grown = std::realloc(block.get(), capacity + increment);
    if (!grown) FailOutOfMemory();
    block.release();
    block.reset(static_cast<unsigned char*>(grown));
    capacity += increment;
}

// A failed shrink keeps the larger block, which is still valid.
void ShrinkBlock(THeapBlock& block, size_t size) {
    if (size == 0) return;  // realloc to 0 may free the block
    if (void* shrunk = std::realloc(block.get(), size)) {
        block.release();
        block.reset(static_cast<unsigned char*>(shrunk));
    }
}

} // namespace

TDecompressedBlock DecompressBuffer(const void* InBuf, size_t InBytes, size_t OutEstimate) {
    if (InBytes == 0) FailTruncated();  // and a growth step of 0 would never end
    const size_t increment = RoundUpTo256(InBytes);
    size_t capacity = OutEstimate != 0 ? OutEstimate : increment;
    THeapBlock block = AllocateBlock(capacity);

    InflateSession session(InBuf, InBytes);
    z_stream& stream = session.stream();
    stream.next_out = block.get();
    stream.avail_out = static_cast<uInt>(capacity);
    for (;;) {
        const int result = inflate(&stream, Z_NO_FLUSH);
        if (result == Z_STREAM_END) break;
        const bool outputFull = (result == Z_OK || result == Z_BUF_ERROR) && stream.avail_out == 0;
        if (!outputFull) FailOnInflateResult(result, stream);
        GrowBlock(block, capacity, increment);
        stream.next_out = block.get() + stream.total_out;
        stream.avail_out = static_cast<uInt>(increment);
    }
    const size_t outBytes = stream.total_out;
    ShrinkBlock(block, outBytes);
    return {std::move(block), outBytes};
}

} // namespace payload
