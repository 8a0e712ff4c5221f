#include "PickerBitmaps.h"

#include "PixelArt.h"

namespace art {

IndexedImage fixedDriveBitmap() {
    return pixelArt({
                        ".KKKKKKKKKKKKKK.",
                        "KWWWWWWWWWWWWWsK",
                        "KWssssssssssssgK",
                        "KWssssssssssssgK",
                        "KWsggggggggsssgK",
                        "KWsWWWWWWWWsLsgK",
                        "KWssssssssssssgK",
                        "KWssssssssssssgK",
                        "KsgggggggggggggK",
                        "KKKKKKKKKKKKKKKK",
                        ".KKKKKKKKKKKKKK.",
                    },
                    Vga::Blue);
}

IndexedImage removableDriveBitmap() {
    return pixelArt({
                        "................",
                        ".......KKK......",
                        "......KKKK......",
                        ".....K.KKK..K...",
                        "KK..K.......KK..",
                        "KKKKKKKKKKKKKKK.",
                        "KK....K.....KK..",
                        ".......K.K..K...",
                        "........KKK.....",
                        ".........K......",
                    },
                    Vga::White);
}

// The open folder shows white paper inside its back panel.
IndexedImage openFolderBitmap() {
    return pixelArt({
                        "................",
                        "................",
                        "................",
                        ".KKKK...........",
                        "KYYYYKKKKKKKK...",
                        "KYWWWWWWWWWWK...",
                        "KYWWWWWWWWWWK...",
                        "KYWKKKKKKKKKKKKK",
                        "KYKWWWWWWWWWWWWK",
                        "KYKYYYYYYYYYYYK.",
                        "KKYYYYYYYYYYYYK.",
                        "KKYYYYYYYYYYYK..",
                        "KYYYYYYYYYYYK...",
                        "KKKKKKKKKKKKK...",
                        "................",
                        "................",
                    },
                    Vga::Olive);
}

IndexedImage closedFolderBitmap() {
    return pixelArt({
                        "................",
                        "................",
                        "................",
                        ".KKKK...........",
                        "KYWWYKKKKKKKKK..",
                        "KWYYYYYYYYYYYYK.",
                        "KWYYYYYYYYYYYYK.",
                        "KWYYYYYYYYYYYYK.",
                        "KWYYYYYYYYYYYYK.",
                        "KWYYYYYYYYYYYYK.",
                        "KWYYYYYYYYYYYYK.",
                        "KWYYYYYYYYYYYYK.",
                        "KYYYYYYYYYYYYYK.",
                        "KKKKKKKKKKKKKKK.",
                        "................",
                        "................",
                    },
                    Vga::Olive);
}

}  // namespace art
