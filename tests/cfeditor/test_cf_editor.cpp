// SPDX-License-Identifier: GPL-3.0-or-later
// The custom function editor driven as a diver uses it: opened with the main window's Edit CF
// button, edited with key and mouse events, its dialogs answered by timers; and an
// out-of-limit value that must not reach the simulated computer.
#include "../app/window_fixture.h"
#include "cfeditor/cf_editor.h"
#include "cfeditor/color_picker.h"
#include "data_table.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimeEdit>

using planner::currentImage;

namespace
{
// Types text, Latin-1 letters included; a spin box's value is replaced, a time editor's
// hours cleared first.
void type(QWidget* w, const QString& text)
{
    if (qobject_cast<QTimeEdit*>(w))
        for (Qt::Key k : {Qt::Key_Home, Qt::Key_Delete, Qt::Key_Delete})
            QTest::keyClick(w, k);
    else if (auto* box = qobject_cast<QAbstractSpinBox*>(w))
        box->selectAll();
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key(c.toUpper().unicode()), QString(c),
                            Qt::NoModifier);
}
ConfigImage imageWith(int cf, int raw)
{
    ConfigImage im = ConfigImage::defaultImage();
    im.setCf(cf, quint16(raw));
    return im;
}
} // namespace

class TestCfEditor : public QObject
{
    Q_OBJECT
    Bathyra_Interface* w = nullptr;

    // Opens the editor from the main window on im, runs edit on it, then presses answer.
    void runEditor(const ConfigImage& im, const std::function<void(CF_Editor_Interface*)>& edit,
                   QDialogButtonBox::StandardButton answer = QDialogButtonBox::Ok)
    {
        currentImage() = im;
        w->showParameters();
        bool ran = false;
        whenModal([&](QWidget* d) {
            if (auto* e = qobject_cast<CF_Editor_Interface*>(d))
                edit(e), ran = true;
            QTest::mouseClick(d->findChild<QDialogButtonBox*>()->button(answer), Qt::LeftButton);
        });
        QTest::mouseClick(w->editCFButton, Qt::LeftButton);
        QVERIFY(ran);
    }

private slots:
    void init()
    {
        closeAppSettings();
        w = new Bathyra_Interface;
        w->show();
    }
    void cleanup() { delete w; }

    // The header; the custom text up to its first '}', and as typed: Latin-1, no '}', at most
    // 25 characters.
    void headerAndText()
    {
        CF_Editor_Interface e;
        const auto header = [&e] { return e.findChild<QLabel*>("header")->text(); };
        QCOMPARE(header(), QString("OSTC <i>serial not loaded</i>"));
        ConfigImage im = ConfigImage::defaultImage();
        im.setWord(ConfigImage::serial, 1234);
        im.setByte(ConfigImage::firmware_minor, 5);
        im.setCustomText("Deep}");
        e.loadFromImage(im);
        QVERIFY(header() == "OSTC 1234 V2.05" &&
                e.findChild<QLineEdit*>("customText")->text() == "Deep");
        type(e.findChild<QLineEdit*>("customText"),
             QString::fromUtf8("ä}bcdefghijklmnopqrstuvwxyz"));
        e.applyToImage(im, nullptr);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(im.data() + ConfigImage::text),
                            ConfigImage::TextLength),
                 QByteArray("Deep\xE4"
                            "bcdefghijklmnopqrstu"));
        QCOMPARE(int(im.byte(ConfigImage::text_on)), 1);
    }

    // Typed values are marked as typed, loaded ones as loaded; a value its widget cannot show
    // is kept unless the diver changes it. The tip is the check's message or the note.
    void markedValues_data()
    {
        columns<int, int, QString, int, QString, QString, bool>(
            {"cf", "raw", "typed", "stored", "tip", "style", "bold"});
        const QString typed = "* { color: red; font: bold}", loaded = "* {color: red; font: bold}";
        // clang-format off
        QTest::newRow("CF16 over max") << 16 << 10 << "2.5" << 25 << "value 2.5, max 2.0" << typed << true;
        QTest::newRow("CF02 time") << 2 << 240 << "1000" << 600 << "" << "" << true;
        QTest::newRow("CF08 percent") << 8 << 30 << "0" << 0 << "value 0 %, min 1 %" << typed << true;
        QTest::newRow("CF05 back to default") << 5 << 9 << "7" << 7 << "" << "" << false;
        QTest::newRow("CF09 loaded") << 9 << 30 << "" << 30 << "value 30, max 22 %" << loaded << true;
        QTest::newRow("CF05 over 255") << 5 << 300 << "" << 300 << "value 300, max 18" << loaded << true;
        QTest::newRow("CF48 -120") << 48 << 0xFF88 << "" << 0xFF88 << "value -120 is kept: it cannot be shown here" << "" << true;
        QTest::newRow("CF06 over 32767") << 6 << 40000 << "" << 40000 << "value 40000 is kept: it cannot be shown here" << "" << true;
        QTest::newRow("CF31 on/off 5") << 31 << 5 << "" << 5 << "value 5 is kept: it cannot be shown here" << "" << true;
        // clang-format on
    }
    void markedValues()
    {
        QFETCH(int, cf);
        QFETCH(int, raw);
        QFETCH(QString, typed);
        QFETCH(QString, tip);
        QFETCH(QString, style);
        QFETCH(bool, bold);
        QStringList seen;
        runEditor(imageWith(cf, raw), [&](CF_Editor_Interface* e) {
            if (!typed.isEmpty())
                type(e->cfWidget(cf), typed);
            seen << e->cfWidget(cf)->toolTip() << e->cfWidget(cf)->styleSheet()
                 << e->cfLabel(cf)->styleSheet();
        });
        QCOMPARE(seen, (QStringList{tip.isEmpty() ? tip : "<html>" + tip + "</html>", style,
                                    bold ? "* { font: bold}" : ""}));
        QTEST(int(currentImage().cf(cf)), "stored");
    }

    // The chooser cancelled keeps the colour, a chosen one is stored; the chooser offers the
    // factory colours, and every raw value survives the trip.
    void colourRoundTrip()
    {
        QList<QRgb> seen;
        runEditor(imageWith(34, 0xC7), [&](CF_Editor_Interface* e) {
            auto* picker = qobject_cast<ColorPicker*>(e->cfWidget(34));
            for (QRgb chosen : {0xFF24FFAAu, 0xFF808080u}) {
                whenModal([&](QWidget* d) {
                    auto* chooser = qobject_cast<QColorDialog*>(d);
                    chooser->setCurrentColor(QColor::fromRgb(chosen));
                    chosen == 0xFF808080u ? chooser->accept() : chooser->reject();
                });
                seen << picker->color();
                QTest::mouseClick(picker, Qt::LeftButton);
            }
            seen << picker->color();
        });
        QCOMPARE(seen,
                 (QList<QRgb>{0xFFDB24FFu, 0xFFDB24FFu, 0xFF808080u})); // exact until read back
        QCOMPARE(int(currentImage().cf(34)), 0x92);
        QCOMPARE(QColorDialog::customColor(0).rgb(), 0xFFDB24FFu);
        for (int v = 0; v < 256; ++v)
            QCOMPARE(int(ColorPicker::colorToRaw(ColorPicker::rawToColor(quint8(v)))), v);
    }

    // Restore Defaults resets every function and the text, unmarked; Cancel still changes
    // nothing.
    void restoreDefaults()
    {
        ConfigImage im = ConfigImage::defaultImage(), before;
        for (int n = 0; n < ConfigImage::CfCount; ++n)
            im.setCf(n, quint16(ConfigImage::cfDefinition(n).def ^ 1));
        im.setCustomText("Old text");
        int bold = -1;
        const auto edit = [&](CF_Editor_Interface* e) {
            before = currentImage();
            type(e->cfWidget(16), "1.5");
            QTest::mouseClick(
                e->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::RestoreDefaults),
                Qt::LeftButton);
            bold = 0;
            for (int n = 0; n < ConfigImage::CfCount; ++n)
                bold += !e->cfLabel(n)->styleSheet().isEmpty();
        };
        runEditor(im, edit, QDialogButtonBox::Cancel);
        QVERIFY(bold == 0 && currentImage() == before);
        runEditor(im, edit);
        QVERIFY(bold == 0 && currentImage().byte(ConfigImage::text_on) == 0 &&
                currentImage().byte(ConfigImage::text) == 0);
        for (int n = 0; n < ConfigImage::CfCount; ++n)
            QCOMPARE(currentImage().cf(n), ConfigImage::cfDefinition(n).def);
    }

    void outOfLimitValueIsNotUploaded()
    {
        SimulatedOstc ostc;
        runEditor(ConfigImage::defaultImage(),
                  [](CF_Editor_Interface* e) { type(e->cfWidget(16), "2.5"); });
        QCOMPARE(int(currentImage().cf(16)), 25);
        w->uploadCFButton->click();
        const QString console = w->consoleDocument()->toPlainText();
        QVERIFY2(console.contains("FAILED: CF16: value 2.5, max 2.0"), qPrintable(console));
        QCOMPARE(ostc.locked([](OstcDevice& d) {
            return d.bankWrites(0) + d.bankWrites(1) + d.bankWrites(2);
        }),
                 0);
        QCOMPARE(ostc.locked([](OstcDevice& d) { return int(d.image().cf(16)); }), 10);
    }
};

QTEST_MAIN(TestCfEditor)
#include "test_cf_editor.moc"
