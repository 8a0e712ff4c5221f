#include "ArtFiles.h"

#include "AppIcon.h"
#include "BmpFile.h"
#include "IcoFile.h"
#include "LogoPalette.h"
#include "Logos.h"
#include "PickerBitmaps.h"
#include "Quantise.h"

namespace art {

namespace {

Bytes appIcon() {
    std::vector<Canvas> images;
    for (int size : appIconSizes()) images.push_back(drawAppIcon(size));
    return encodeIco(images);
}

}  // namespace

std::vector<ArtFile> renderArtFiles() {
    const std::vector<Rgb8> palette = logoPalette();
    return {
        {"Logo.bmp", encodeBmp(quantise(drawLogo(), palette))},
        {"LogoSmall.bmp", encodeBmp(quantise(drawLogoSmall(), palette))},
        {"setup.ico", appIcon()},
        {"FIXEDDRIVE.bmp", encodeBmp(fixedDriveBitmap())},
        {"REMOVABLEDRIVE.bmp", encodeBmp(removableDriveBitmap())},
        {"OPENFOLDER.bmp", encodeBmp(openFolderBitmap())},
        {"CLOSEDFOLDER.bmp", encodeBmp(closedFolderBitmap())},
    };
}

}  // namespace art
