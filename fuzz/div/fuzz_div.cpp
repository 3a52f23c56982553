// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the dive parameter file reader: any input, read as a .div file
// would be (through QSettings in INI format), must load into an image of the fixed size
// whose planning fields can be written again, or be refused by the image's own checks.
#include "device/config_image.h"
#include "device/param_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // One file per process, rewritten for every input.
    static const QString path = QDir::temp().filePath(
        QStringLiteral("fuzz_div_%1.div").arg(QCoreApplication::applicationPid()));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        return 0;
    file.close();

    ConfigImage image = ConfigImage::defaultImage();
    DiveInputs dive;
    ReplayFlags replay;
    {
        const QSettings settings(path, QSettings::IniFormat);
        ParamFile::load(settings, image, dive, replay, nullptr);
    }
    // Whatever was read, the image's fields and custom functions can be asked for.
    volatile int sum = 0;
    for (int n = 0; n < ConfigImage::CfCount; ++n)
        sum = sum + image.cf(n) + ConfigImage::checkCf(n, image.cf(n)).size();
    for (int g = 1; g <= ConfigImage::GasCount; ++g)
        sum = sum + image.gasO2(g) + image.gasHe(g) + image.gasDepth(g);
    try {
        image.validate(nullptr);
    } catch (const QString&) {
    }
    return 0;
}
