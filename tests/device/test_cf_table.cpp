// The custom-function table and the per-value check that the editor, the console and
// the device transfers rely on.
#include "device/config_image.h"

#include <QSet>
#include <QtTest>

class TestCfTable : public QObject
{
    Q_OBJECT

private slots:
    void everyRow();
    void exactRows_data();
    void exactRows();
    void checkCf_data();
    void checkCf();
};

void TestCfTable::everyRow()
{
    const QSet<quint32> types{1, 2, 3, 4, 5, 6, 134, 7, 8};
    // Every colour, on/off and unused row, plus five numeric rows, has no upper limit.
    const QSet<int> numericWithoutMax{6, 7, 28, 48, 59};
    const quint16 anyValue[] = {0, 1, 0xFF, 0x100, 0x7FFF, 0x8000, 0xFFFF};
    for (int n = 0; n < ConfigImage::CfCount; ++n) {
        const CfDefinition& row = ConfigImage::cfDefinition(n);
        const QString name = ConfigImage::cfName(n);
        QCOMPARE(name, QStringLiteral("CF%1").arg(n, 2, 10, QLatin1Char('0')));
        QVERIFY2(qstrlen(row.label) > 0 && qstrlen(row.label) <= 17, qPrintable(name));
        QVERIFY2(types.contains(row.type), qPrintable(name));
        QCOMPARE(bool(row.type & ConfigImage::SignedType), n == 48);
        QVERIFY2(ConfigImage::checkCf(n, row.def).isEmpty(), qPrintable(name));
        const bool anything = row.type == 7 || row.type == 8 || n >= 70;
        QCOMPARE(row.max <= row.min, anything || numericWithoutMax.contains(n));
        if (n >= 70)
            QVERIFY(QByteArray(row.label) == "unused" && row.type == 1 && row.def == 0 &&
                    row.min == 0 && row.max == 0);
        for (quint16 v : anyValue)
            if (anything)
                QVERIFY2(ConfigImage::checkCf(n, v).isEmpty(), qPrintable(name));
    }
    QVERIFY_EXCEPTION_THROWN(ConfigImage::cfDefinition(96), QString);
    QVERIFY_EXCEPTION_THROWN(ConfigImage::cfDefinition(-1), QString);
    QVERIFY_EXCEPTION_THROWN(ConfigImage::checkCf(96, 0), QString);
}

void TestCfTable::exactRows_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QByteArray>("label");
    QTest::addColumn<quint32>("type");
    QTest::addColumn<int>("def");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");

    QTest::newRow("CF00") << 0 << QByteArray("Start Dive [m]") << 4u << 100 << 50 << 250;
    QTest::newRow("CF06 double space")
        << 6 << QByteArray("Wake-up  [mbar]") << 1u << 1160 << 950 << 0;
    QTest::newRow("CF16") << 16 << QByteArray("Deco Offset [m]") << 3u << 10 << 0 << 20;
    QTest::newRow("CF32") << 32 << QByteArray("GF Low [%]") << 5u << 30 << 5 << 90;
    QTest::newRow("CF33") << 33 << QByteArray("GF High [%]") << 5u << 85 << 30 << 95;
    QTest::newRow("CF34 trailing space")
        << 34 << QByteArray("Color# Battery ") << 7u << 0xC7 << 0 << 0;
    QTest::newRow("CF38 trailing space")
        << 38 << QByteArray("Divemode secs. ") << 8u << 0 << 0 << 0;
    QTest::newRow("CF48 signed") << 48 << QByteArray("Time offset/day") << 134u << 0 << 0xFF88
                                 << 120;
    QTest::newRow("CF64") << 64 << QByteArray("Color# inactive") << 7u << 0x4A << 0 << 0;
    QTest::newRow("CF69") << 69 << QByteArray("Allow GF change") << 8u << 0 << 0 << 0;
}

void TestCfTable::exactRows()
{
    QFETCH(int, n);
    QFETCH(QByteArray, label);
    QFETCH(quint32, type);
    QFETCH(int, def);
    QFETCH(int, min);
    QFETCH(int, max);
    const CfDefinition& row = ConfigImage::cfDefinition(n);
    QCOMPARE(QByteArray(row.label), label);
    QCOMPARE(row.type, type);
    QCOMPARE(QVector<int>({row.def, row.min, row.max}), QVector<int>({def, min, max}));
}

void TestCfTable::checkCf_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("raw");
    QTest::addColumn<QString>("message");

    // 8-bit integer, 3..18.
    QTest::newRow("CF05 below min") << 5 << 2 << "value 2, min 3";
    QTest::newRow("CF05 at min") << 5 << 3 << "";
    QTest::newRow("CF05 at max") << 5 << 18 << "";
    QTest::newRow("CF05 above max") << 5 << 19 << "value 19, max 18";
    // Unsigned comparison for unsigned rows: 0x8000 is large, not negative.
    QTest::newRow("CF05 0x8000") << 5 << 0x8000 << "value 32768, max 18";
    // Tenths and hundredths are printed scaled.
    QTest::newRow("CF16 tenths above max") << 16 << 25 << "value 2.5, max 2.0";
    QTest::newRow("CF16 zero min means none") << 16 << 0 << "";
    QTest::newRow("CF46 hundredths below min") << 46 << 99 << "value 0.99, min 1.00";
    QTest::newRow("CF46 hundredths above max") << 46 << 162 << "value 1.62, max 1.61";
    // 16-bit integer and percent.
    QTest::newRow("CF56 above max") << 56 << 51 << "value 51, max 50";
    QTest::newRow("CF56 below min") << 56 << 4 << "value 4, min 5";
    QTest::newRow("CF08 percent below min") << 8 << 0 << "value 0 %, min 1 %";
    QTest::newRow("CF08 percent above max") << 8 << 100 << "value 100, max 99 %";
    QTest::newRow("CF02 time above max") << 2 << 601 << "value 601, max 600";
    // No upper limit when the maximum is not above the minimum.
    QTest::newRow("CF06 below min") << 6 << 949 << "value 949, min 950";
    QTest::newRow("CF06 huge") << 6 << 0xFFFF << "";
    QTest::newRow("CF43 at max") << 43 << 13000 << "";
    QTest::newRow("CF43 above max") << 43 << 13001 << "value 13001, max 13000";
    // The signed row compares and prints signed numbers.
    QTest::newRow("CF48 at min") << 48 << 0xFF88 << "";
    QTest::newRow("CF48 below min") << 48 << 0xFF87 << "value -121, min -120";
    QTest::newRow("CF48 far below") << 48 << 0x8000 << "value -32768, min -120";
    QTest::newRow("CF48 above 120 has no max") << 48 << 121 << "";
}

void TestCfTable::checkCf()
{
    QFETCH(int, n);
    QFETCH(int, raw);
    QFETCH(QString, message);
    QCOMPARE(ConfigImage::checkCf(n, quint16(raw)), message);
}

QTEST_GUILESS_MAIN(TestCfTable)
#include "test_cf_table.moc"
