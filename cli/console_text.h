// SPDX-License-Identifier: GPL-3.0-or-later
// The console as plain text for a terminal: the text of every paragraph as the editor's
// own plain text gives it, and each table row on one line with its cells in aligned
// columns (cells aligned right in the table are right-aligned in their column).
//
// Entry point: consoleText.
#pragma once

#include <QString>

class QTextDocument;

QString consoleText(const QTextDocument& document);
