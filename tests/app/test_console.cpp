// The message console of the main window: line breaks, tables and headings, lines
// rewritten in place, the diver's selection, long traces, clearing and reading back.
#include "app/interface_base.h"

#include <QStandardPaths>
#include <QTextDocument>
#include <QtTest>

class TestConsole : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Lines written ("~" first: rewrites the last line), the text the user sees, the
    // number of line breaks written.
    void lines_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<int>("lineBreaks");
        // clang-format off
        QTest::newRow("two plain lines") << QStringList{"one", "two"} << "one\ntwo\n" << 2;
        QTest::newRow("red warning") << QStringList{"<font color='red'><b>HYPOXIA</b></font>"} << "HYPOXIA\n" << 1;
        QTest::newRow("table gets no break") << QStringList{"<table border='0'><tr><td>3m</td><td>4'</td></tr></table>"} << "3m\n4'" << 0;
        QTest::newRow("complete heading gets a break") << QStringList{"<h2>Runtime</h2>"} << "Runtime\n" << 1;
        QTest::newRow("bare heading opening") << QStringList{"<h3"} << "" << 0;
        QTest::newRow("rewritten progress") << QStringList{"Reading bank 0", "~Progress 10%", "~Progress 20%"} << "Reading bank 0\nProgress 20%" << 1;
        QTest::newRow("line after progress") << QStringList{"Reading", "~Progress 20%", "done"} << "Reading\nProgress 20%done\n" << 2;
        QTest::newRow("rewrite on an empty console") << QStringList{"~a", "~b"} << "b" << 0;
        // clang-format on
    }
    void lines()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, plain);
        InterfaceBase w;
        for (const QString& l : lines)
            w.message(l.mid(l.startsWith('~')), l.startsWith('~'));
        QTEST(w.textEdit->document()->toRawText().count(QChar::LineSeparator), "lineBreaks");
        QCOMPARE(w.textEdit->toPlainText().replace(QChar::Nbsp, ' ').trimmed(), plain.trimmed());
    }

    void clearAndRead()
    {
        InterfaceBase w;
        QVERIFY(w.textEdit->isReadOnly() && w.getMessages().contains("<body"));
        MessageSink& sink = w; // as the device code writes
        sink.message("line");
        QVERIFY(w.getMessages().contains("line"));
        w.textEdit->setTabStopDistance(40);
        w.clearMessages();
        QVERIFY(w.textEdit->document()->isEmpty() && !w.getMessages().contains("line"));
        QCOMPARE(w.textEdit->tabStopDistance(), 12.0);
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
        QCOMPARE(w.textEdit->toPlainText(), QString("* desaturation factor (CF12) = 90 %\nConnecting\nReading 20%"));
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
        QCOMPARE(w.textEdit->toPlainText(), expected + "Progress");
        QVERIFY(w.textEdit->document()->blockCount() > 10);
    }
};

QTEST_MAIN(TestConsole)
#include "test_console.moc"
