// Uncompressed, bottom-up, palettised Windows bitmap files (4 or 8 bits per pixel).
#pragma once
#include "ByteWriter.h"
#include "IndexedImage.h"

namespace art {

Bytes encodeBmp(const IndexedImage& image);

}  // namespace art
