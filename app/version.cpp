// SPDX-License-Identifier: GPL-3.0-or-later
// The --version text of the window programs: bathyra and bathyra-cli link Qt and Qwt.
#include "app/version.h"

#include <qwt_global.h>

QString versionText(const char* program)
{
    const std::string libraries = std::string("Qt ") + qVersion() +
                                  " (" BATHYRA_QT_LICENSE "), Qwt " QWT_VERSION_STR
                                  " (" BATHYRA_QWT_LICENSE ")";
    return QString::fromStdString(bathyra_version_text(program, libraries));
}
