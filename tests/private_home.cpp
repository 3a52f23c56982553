// SPDX-License-Identifier: GPL-3.0-or-later
// Every test program runs in a home of its own under the build tree (test-home), also when it
// is started by hand outside CTest: the program keeps "Bathyra Defaults.ini" and its settings in
// the home folder, and the window tests remove and rewrite them. Set before main, so before Qt
// reads the environment.
#include <QByteArray>
#include <QDir>

namespace
{

const bool privateHome = [] {
    // CTest already gives each of its entries (some run the same program) a home there.
    if (qgetenv("HOME").startsWith(BATHYRA_TEST_HOMES "/"))
        return false;
    const QByteArray home = BATHYRA_TEST_HOMES "/" BATHYRA_TEST_NAME;
    QDir().mkpath(QString::fromLocal8Bit(home));
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", home + "/.config");
    qputenv("XDG_DATA_HOME", home + "/.local/share");
    qputenv("XDG_CACHE_HOME", home + "/.cache");
    qputenv("XDG_RUNTIME_DIR", home + "/runtime");
    return true;
}();

} // namespace
