// SPDX-License-Identifier: GPL-3.0-or-later
// Replaced by the build when the shared sample logbooks are copied beside the suite.
sharedSamples = false;
