// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration image and its custom-function table: every row and the per-value check
// (data/cf_checks.txt), raw access and custom text, the default image byte by byte
// (data/default_image.txt), validation (data/config_validate.txt), the merge of user settings
// and the readback comparison.
#include "device/config_image.h"
#include "device/message_sink.h"
#include "device_fixtures.h"

#include <QtTest>

namespace
{

// A fixed "today" keeps the date checks independent of the clock: 15 March 2026.
const QDate today(2026, 3, 15);

// Applies changes such as "serial=99 deco=7 cf5=2 min=-301 charge=3.0.26" to an image:
// words and bytes by name, custom functions by number, dates as month.day.year.
void change(ConfigImage& im, const QString& changes)
{
    using C = ConfigImage;
    static const QStringList names{"serial", "min",  "max",    "low", "cycles", "total", "major",
                                   "minor",  "deco", "charge", "a",   "b",      "c"};
    const int at[] = {C::serial,      C::min_temperature,   C::max_temperature, C::battery_low_mv,
                      C::cycle_count, C::total_cycle_count, C::firmware_major,  C::firmware_minor,
                      C::deco_type,   C::last_charge_date,  C::date_a,          C::date_b,
                      C::date_c};
    for (const QString& c : changes.split(' ', Qt::SkipEmptyParts)) {
        const QString key = c.section('=', 0, 0), value = c.section('=', 1);
        const int n = names.indexOf(key);
        if (key.startsWith("cf"))
            im.setCf(key.mid(2).toInt(), quint16(value.toInt()));
        else if (n < 6) // the words
            im.setWord(at[n], quint16(value.toInt()));
        else // a byte, or a date of three
            for (int i = 0; i <= value.count('.'); ++i)
                im.setByte(at[n] + i, quint8(value.section('.', i, i).toInt()));
    }
}

} // namespace

class TestConfigImage : public QObject
{
    Q_OBJECT

private slots:
    void checkCf_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("raw");
        QTest::addColumn<QString>("message");
        // Every default passes its own check; colour, on/off and unused rows take any value.
        for (int n = 0; n < ConfigImage::CfCount; ++n) {
            const CfDefinition& row = ConfigImage::cfDefinition(n);
            QTest::addRow("CF%02d default", n) << n << int(row.def) << "";
            if (row.type == 7 || row.type == 8 || n >= 70)
                QTest::addRow("CF%02d any value", n) << n << 0x8000 << "";
        }
        for (const QStringList& r : dataTable("cf_checks.txt"))
            QTest::newRow(qPrintable(r[0])) << r[1].toInt() << r[2].toInt(nullptr, 0) << r[3];
    }

    void checkCf()
    {
        QFETCH(int, n);
        QFETCH(int, raw);
        QFETCH(QString, message);
        QCOMPARE(ConfigImage::checkCf(n, quint16(raw)), message);
    }

    void rawAccess()
    {
        ConfigImage im;
        QVERIFY_EXCEPTION_THROWN(im.word(767), QString); // 766 is the last word
        QVERIFY_EXCEPTION_THROWN(im.setWord(-1, 0), QString);
        QVERIFY_EXCEPTION_THROWN(ConfigImage::cfDefinition(-1), QString);
        QVERIFY_EXCEPTION_THROWN(ConfigImage::checkCf(96, 0), QString);
        // The custom text: at most 25 Latin-1 characters padded with '}', its flag set when not
        // empty; the byte after it is not touched.
        im.setByte(90, 'z');
        im.setCustomText(QString(26, QChar(0xE4)));
        QCOMPARE(im.toByteArray().mid(64, 27), '\x01' + QByteArray(25, '\xE4') + 'z');
        im.setCustomText("Tauchgänge");
        QCOMPARE(im.customText(), QStringLiteral("Tauchgänge"));
        QCOMPARE(im.toByteArray().mid(65, 25), "Tauchg\xE4nge" + QByteArray(15, '}'));
        // Whole images and banks of the wrong size or number are refused, the image unchanged.
        const ConfigImage before = im;
        QVERIFY_EXCEPTION_THROWN(im.fromByteArray(QByteArray(767, 'x')), QString);
        QVERIFY_EXCEPTION_THROWN(im.setBank(1, QByteArray(255, 'x')), QString);
        QVERIFY_EXCEPTION_THROWN(im.setBank(3, QByteArray(256, 'x')), QString);
        QVERIFY_EXCEPTION_THROWN(im.setBank(-1, QByteArray(256, 'x')), QString);
        QVERIFY_EXCEPTION_THROWN(im.bank(3), QString);
        QVERIFY(im == before);
        ConfigImage other;
        other.setBank(2, QByteArray(256, 'x'));
        QCOMPARE(other.toByteArray(), QByteArray(512, '\0') + QByteArray(256, 'x'));
        QVERIFY(other != im && other.bank(2) == QByteArray(256, 'x'));
        other.fromByteArray(im.toByteArray());
        QVERIFY(other == im);
    }

    void defaultImageLayout()
    {
        QByteArray expected(768, '\0');
        for (const QStringList& r : dataTable("default_image.txt")) {
            const QByteArray bytes = QByteArray::fromHex(r[1].toLatin1());
            expected.replace(r[0].toInt(), bytes.size(), bytes);
        }
        for (int n = 0; n < ConfigImage::CfCount; ++n) // default and current, little-endian
            for (int k = 0; k < 4; ++k)
                expected[256 * (n / 32) + 128 + 4 * (n % 32) + k] =
                    char(ConfigImage::cfDefinition(n).def >> (k % 2 * 8));
        const QByteArray actual = ConfigImage::defaultImage(today).toByteArray();
        for (int i = 0; i < 768; ++i)
            QVERIFY2(actual.at(i) == expected.at(i), qPrintable(QString("byte %1").arg(i)));
    }

    void validate_data()
    {
        QTest::addColumn<QString>("changes"); // over the default image, see change()
        QTest::addColumn<QString>("result");  // "ok", "bad" or the stopping error thrown
        QTest::addColumn<QString>("lines");   // the findings written, '|' between lines
        for (const QStringList& r : dataTable("config_validate.txt"))
            QTest::newRow(qPrintable(r[0])) << r[1] << r[2] << r.mid(3).join('|');
    }

    void validate()
    {
        QFETCH(QString, changes);
        QFETCH(QString, result);
        QFETCH(QString, lines);
        ConfigImage im = ConfigImage::defaultImage(today);
        change(im, changes);
        CollectingSink sink;
        bool ok = false, again = false;
        const QString thrown = errorOf([&] {
            ok = im.validate(&sink, today);
            again = im.validate(nullptr, today);
        });
        QCOMPARE(again, ok); // no sink: the same result
        QCOMPARE(thrown.isEmpty() ? QString(ok ? "ok" : "bad") : thrown, result);
        QCOMPARE(sink.lines.join('|'), lines);
    }

    void takeUserSettings()
    {
        // The image as read from the device, and the edited settings: every byte that must not
        // be copied differs between them.
        ConfigImage device = ConfigImage::defaultImage(QDate(2024, 7, 2));
        device.setCustomText("Old text on device");
        ConfigImage edited;
        for (int i = 0; i < 768; ++i)
            edited.setByte(i, i >= 6 && i <= 38 ? quint8(i) : 0xEE);
        edited.setByte(ConfigImage::deco_type, 4);
        for (int n = 0; n < 96; ++n)
            edited.setCf(n, ConfigImage::cfDefinition(n).def);
        edited.setCf(5, 2); // a finding, reported
        edited.setCustomText("New text");
        // Copied: current gas mixes, gas 6, salinity to deco mode, setpoints, CF values, text.
        QSet<int> copied;
        for (int at = 6; at <= 38; ++at)
            if (at != 35 && (at >= 24 || at % 4 >= 2))
                copied << at;
        for (int at = ConfigImage::text_on; at < ConfigImage::text + ConfigImage::TextLength; ++at)
            copied << at;
        for (int n = 0; n < 96; ++n)
            copied << ConfigImage::cfOffset(n) + 2 << ConfigImage::cfOffset(n) + 3;
        const ConfigImage original = device;
        CollectingSink sink;
        QVERIFY(device.takeUserSettings(edited, &sink, today));
        QCOMPARE(sink.lines.size(), 2);
        for (int i = 0; i < 768; ++i)
            QVERIFY2(device.byte(i) == (copied.contains(i) ? edited : original).byte(i),
                     qPrintable(QString("byte %1").arg(i)));
        // A text the user switched off is not carried over.
        edited.setByte(ConfigImage::text_on, 0);
        QVERIFY(device.takeUserSettings(edited, nullptr, today));
        QCOMPARE(device.toByteArray().mid(64, 26), QByteArray(1, 0) + QByteArray(25, '}'));
    }

    void equalForReadback_data()
    {
        QTest::addColumn<QList<int>>("changed");
        QTest::addColumn<bool>("equal");
        QTest::newRow("last battery byte") << QList<int>{63} << true;
        QTest::newRow("byte after the block") << QList<int>{64} << false;
        QTest::newRow("battery and a CF") << QList<int>{50, 130} << false;
    }

    void equalForReadback()
    {
        QFETCH(QList<int>, changed);
        QFETCH(bool, equal);
        const ConfigImage original = ConfigImage::defaultImage(today);
        ConfigImage sent = original, read = original;
        for (int at : changed)
            read.setByte(at, read.byte(at) ^ 0x5A);
        QCOMPARE(sent.equalForReadback(read), equal);
        // The block is taken from the image read back; nothing else changes.
        QByteArray expected = original.toByteArray();
        expected.replace(40, 24, read.toByteArray().mid(40, 24));
        QCOMPARE(sent.toByteArray(), expected);
    }
};

QTEST_GUILESS_MAIN(TestConfigImage)
#include "test_config_image.moc"
