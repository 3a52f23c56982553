// The message console of the main window: line breaks, tables and headings, lines
// rewritten in place, clearing and reading back.
#include "app/interface_base.h"

#include <QStandardPaths>
#include <QTextDocument>
#include <QtTest>

class TestConsole : public QObject {
    Q_OBJECT

    // Lines as the user sees them, and the number of line breaks written.
    static QString text(InterfaceBase& w) { return w.textEdit->toPlainText(); }
    static int breaks(InterfaceBase& w) { return w.textEdit->document()->toRawText().count(QChar::LineSeparator); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void consoleIsReadOnlyMouseSelectable()
    {
        InterfaceBase w;
        QVERIFY(w.textEdit->isReadOnly());
        QVERIFY(!w.textEdit->isUndoRedoEnabled());
        QCOMPARE(w.textEdit->textInteractionFlags(), Qt::TextSelectableByMouse);
        QCOMPARE(w.textEdit->tabStopDistance(), 12.0);
    }

    void lines_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<int>("lineBreaks");
        QTest::newRow("two plain lines") << QStringList{"one", "two"} << "one\ntwo\n" << 2;
        QTest::newRow("red warning") << QStringList{"<font color='red'><b>HYPOXIA</b></font>"} << "HYPOXIA\n" << 1;
        QTest::newRow("table gets no break")
            << QStringList{"<table border='0'><tr><td>3m</td><td>4'</td></tr></table>"} << "3m\n4'" << 0;
        QTest::newRow("complete heading gets a break") << QStringList{"<h2>Runtime</h2>"} << "Runtime\n" << 1;
        QTest::newRow("bare heading opening") << QStringList{"<h3"} << "" << 0;
    }
    void lines()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, plain);
        QFETCH(int, lineBreaks);
        InterfaceBase w;
        for (const QString& l : lines)
            w.message(l);
        QCOMPARE(breaks(w), lineBreaks);
        QCOMPARE(text(w).replace(QChar::Nbsp, ' ').trimmed(), plain.trimmed());
    }

    void overwriteRewritesOnlyTheLastLine()
    {
        InterfaceBase w;
        w.message("Reading bank 0");
        w.message("Progress 10%", true);
        QCOMPARE(text(w), QString("Reading bank 0\nProgress 10%"));
        w.message("Progress 20%", true);
        QCOMPARE(text(w), QString("Reading bank 0\nProgress 20%"));
        QCOMPARE(breaks(w), 1);
        w.message("done");
        QCOMPARE(text(w), QString("Reading bank 0\nProgress 20%done\n"));
    }

    void overwriteOnAnEmptyConsole()
    {
        InterfaceBase w;
        w.message("a", true);
        w.message("b", true);
        QCOMPARE(text(w), QString("b"));
    }

    void clearAndRead()
    {
        InterfaceBase w;
        const QString empty = w.getMessages();
        QVERIFY(empty.contains("<body"));
        QVERIFY(w.textEdit->document()->isEmpty());
        w.message("line");
        QVERIFY(w.getMessages().contains("line"));
        w.textEdit->setTabStopDistance(40);
        w.clearMessages();
        QVERIFY(w.textEdit->document()->isEmpty());
        QCOMPARE(w.textEdit->tabStopDistance(), 12.0);
        QVERIFY(!w.getMessages().contains("line"));
    }

    void outputKeepsTheDiversSelection()
    {
        InterfaceBase w;
        w.message("* desaturation factor (CF12) = 90 %");
        QTextCursor selection(w.textEdit->document());
        selection.setPosition(2);
        selection.setPosition(15, QTextCursor::KeepAnchor);
        w.textEdit->setTextCursor(selection);
        w.message("Connecting");
        w.message("Reading 10%", true);
        w.message("Reading 20%", true);
        QCOMPARE(text(w), QString("* desaturation factor (CF12) = 90 %\nConnecting\nReading 20%"));
        QCOMPARE(w.textEdit->textCursor().selectedText(), QString("desaturation "));
    }

    void longOutputInShortParagraphs()
    {
        // A paragraph is laid out again at every line added to it: a long trace must not
        // grow one paragraph without end, and reads the same for it.
        InterfaceBase w;
        QString expected;
        for (int i = 0; i < 2000; ++i) {
            w.message(QString("%1 SWITCH").arg(i));
            expected += QString("%1 SWITCH\n").arg(i);
        }
        w.message("Progress", true);
        QCOMPARE(text(w), expected + "Progress");
        QVERIFY(w.textEdit->document()->blockCount() > 10);
    }

    void sinkInterfaceReachesTheConsole()
    {
        InterfaceBase w;
        MessageSink& sink = w;
        sink.message("from the device code");
        QCOMPARE(text(w), QString("from the device code\n"));
    }
};

QTEST_MAIN(TestConsole)
#include "test_console.moc"
