// Icon files holding 32-bit images with alpha, each stored as a bitmap with an AND mask.
#pragma once
#include <vector>

#include "ByteWriter.h"
#include "Canvas.h"

namespace art {

Bytes encodeIco(const std::vector<Canvas>& images);

}  // namespace art
