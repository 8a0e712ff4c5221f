// The drive and folder pictures of the folder picker. Each is drawn by the picker with its
// bottom-left pixel's colour as the transparent colour.
#pragma once
#include "IndexedImage.h"

namespace art {

IndexedImage fixedDriveBitmap();      // 16 x 11, key blue
IndexedImage removableDriveBitmap();  // 16 x 10, key white
IndexedImage openFolderBitmap();      // 16 x 16, key olive
IndexedImage closedFolderBitmap();    // 16 x 16, key olive

}  // namespace art
