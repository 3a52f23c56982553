// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the Intel HEX loader: any input, loaded as a file would be, must
// end in a clean load or one of the loader's message texts, with memory bounded by the
// fixed image and the input itself.
#include "device/hex_image.h"

#include <QBuffer>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    HexImage hex;
    try {
        hex.load(buffer, nullptr);
    } catch (const QString&) {
    }
    // Whatever happened, the image kept its size and counted no more than it holds.
    if (hex.data().size() != int(HexImage::FirmwareSize) || hex.loaded() > 16u * 1024 * 1024)
        __builtin_trap();
    return 0;
}
