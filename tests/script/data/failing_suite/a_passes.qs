// SPDX-License-Identifier: GPL-3.0-or-later
test.verify(ostc.version().indexOf("Bathyra_") == 0, "version text");
