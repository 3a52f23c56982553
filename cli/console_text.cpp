// SPDX-License-Identifier: GPL-3.0-or-later
// The console as plain text: see console_text.h.
#include "cli/console_text.h"

#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QVector>

namespace
{

// What the editor's plain text makes of a paragraph's characters.
QString plain(QString text)
{
    return text.replace(QChar::LineSeparator, QLatin1Char('\n'))
        .replace(QChar::Nbsp, QLatin1Char(' '));
}

QString cellText(const QTextTableCell& cell)
{
    QStringList parts;
    for (auto it = cell.begin(); !it.atEnd(); ++it)
        if (it.currentBlock().isValid())
            parts << plain(it.currentBlock().text()).simplified();
    return parts.join(QLatin1Char(' ')).trimmed();
}

// One line per row; each column as wide as its widest cell, two blanks between columns.
QStringList tableRows(const QTextTable& table)
{
    const int rows = table.rows();
    const int columns = table.columns();
    QVector<QStringList> cells(rows);
    QVector<bool> right(rows * columns, false);
    QVector<int> width(columns, 0);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const QTextTableCell cell = table.cellAt(r, c);
            // A cell spanning several columns or rows is written once, where it starts.
            const bool origin = cell.row() == r && cell.column() == c;
            const QString text = origin ? cellText(cell) : QString();
            cells[r] << text;
            right[r * columns + c] =
                cell.firstCursorPosition().blockFormat().alignment() & Qt::AlignRight;
            if (origin && cell.columnSpan() == 1)
                width[c] = std::max(width[c], static_cast<int>(text.size()));
        }
    }
    QStringList lines;
    for (int r = 0; r < rows; ++r) {
        QString line;
        for (int c = 0; c < columns; ++c) {
            if (c > 0)
                line += QLatin1String("  ");
            const QString& text = cells[r][c];
            line += right[r * columns + c] ? text.rightJustified(width[c])
                                           : text.leftJustified(width[c]);
        }
        // No blanks at the end of a line (an empty last column).
        int end = line.size();
        while (end > 0 && line[end - 1] == QLatin1Char(' '))
            --end;
        lines << line.left(end);
    }
    return lines;
}

} // namespace

QString consoleText(const QTextDocument& document)
{
    QStringList lines;
    const QTextTable* current = nullptr;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        // The blocks of a table's cells make its rows.
        const QTextTable* table = QTextCursor(block).currentTable();
        if (table && table->cellAt(block.position()).isValid()) {
            if (table != current)
                lines << tableRows(*table);
            current = table;
            continue;
        }
        current = nullptr;
        lines << plain(block.text());
    }
    // Without the console's zero-width break opportunities in long words.
    return lines.join(QLatin1Char('\n')).remove(QChar(0x200B));
}
