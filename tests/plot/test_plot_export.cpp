// Saving a plot as an image: the extension rules of the save dialog, script saves under
// the documents folder, the formats and sizes chosen by the file ending, and failures.
#include "device/message_sink.h"
#include "plot/plot_export.h"
#include "plot/plot_interface.h"

#include <QFileDialog>
#include <QImageWriter>
#include <QPushButton>
#include <QImageReader>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <qwt_plot.h>

namespace {

// A plot window whose file dialog is answered by the test.
class AnsweredPlot : public PlotInterface {
public:
    QString answer;       // the name "typed" (empty: cancel)
    QString answerFilter; // the filter "selected"
    QString askedDir;
    QString askedFilter;
    int asked = 0;

protected:
    QString askImageFile(const QString& startDir, const QString& filter, QString* selectedFilter) override
    {
        ++asked;
        askedDir = startDir;
        askedFilter = filter;
        *selectedFilter = answerFilter;
        return answer;
    }
};

QString documents() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }

QString filterNamed(const QString& prefix)
{
    for (const QString& f : plotexport::imageFileFilter().split(";;"))
        if (f.startsWith(prefix))
            return f;
    return QString();
}

QByteArray readAll(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void fillSomething(PlotInterface& w)
{
    w.setup(true, 30);
    w.setCurveEnabled(RunPlot::Depth, true);
    Profile* depth = w.profile(RunPlot::Depth);
    depth->setup("depth", 30);
    for (int i = 0; i <= 60; ++i)
        depth->addPoint(i / 2.0, i < 10 ? i * 3 : 30);
    depth->flush();
    w.replot();
}

} // namespace

class TestPlotExport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void filterText();
    void filterExtension_data();
    void filterExtension();
    void fileNameForFilter_data();
    void fileNameForFilter();
    void rasterSize_data();
    void rasterSize();
    void documentsPath_data();
    void documentsPath();
    void documentsPathRefusesEmptyName();
    void interactiveSaveAppendsExtension_data();
    void interactiveSaveAppendsExtension();
    void interactiveCancelWritesNothing();
    void interactiveStartDirectory();
    void realDialogAnswered();
    void scriptSavesPdfUnderDocuments();
    void scriptSavesSvg();
    void tiffSizes_data();
    void tiffSizes();
    void rasterFailureThrowsWriterText();

private:
    QTemporaryDir tmp;
};

void TestPlotExport::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(tmp.isValid());
    QDir().mkpath(documents());
}

void TestPlotExport::filterText()
{
    QCOMPARE(plotexport::imageFileFilter(),
             QString("Jpeg image (*.jpg;*.jpeg);;PNG image (*.png);;TIFF image (*.tif;*.tiff);;"
                     "PDF file (*.pdf);;SVG file (*.svg)"));
}

void TestPlotExport::filterExtension_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("ext");
    QTest::newRow("jpeg") << "Jpeg image (*.jpg;*.jpeg)" << ".jpeg";
    QTest::newRow("png") << "PNG image (*.png)" << ".png";
    QTest::newRow("tiff") << "TIFF image (*.tif;*.tiff)" << ".tiff";
    QTest::newRow("pdf") << "PDF file (*.pdf)" << ".pdf";
    QTest::newRow("svg") << "SVG file (*.svg)" << ".svg";
    QTest::newRow("none") << "" << "";
}

void TestPlotExport::filterExtension()
{
    QFETCH(QString, filter);
    QFETCH(QString, ext);
    QCOMPARE(plotexport::filterExtension(filter), ext);
}

void TestPlotExport::fileNameForFilter_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("result");
    QTest::newRow("png filter") << "/d/dive" << "PNG image" << "/d/dive.png";
    QTest::newRow("jpeg filter") << "/d/dive" << "Jpeg image" << "/d/dive.jpeg";
    QTest::newRow("jpg kept with png filter") << "/d/dive.jpg" << "PNG image" << "/d/dive.jpg";
    QTest::newRow("jpg kept with svg filter") << "/d/dive.jpg" << "SVG file" << "/d/dive.jpg";
    QTest::newRow("tif kept") << "/d/dive.tif" << "PDF file" << "/d/dive.tif";
    QTest::newRow("own extension kept") << "/d/dive.pdf" << "PDF file" << "/d/dive.pdf";
    QTest::newRow("other extension gets one more") << "/d/dive.png" << "PDF file" << "/d/dive.png.pdf";
    QTest::newRow("upper case is not the extension") << "/d/dive.PNG" << "PNG image" << "/d/dive.PNG.png";
    QTest::newRow("tiff filter") << "/d/dive" << "TIFF image" << "/d/dive.tiff";
}

void TestPlotExport::fileNameForFilter()
{
    QFETCH(QString, name);
    QFETCH(QString, filter);
    QFETCH(QString, result);
    const QString f = filterNamed(filter);
    QVERIFY(!f.isEmpty());
    QCOMPARE(plotexport::fileNameForFilter(name, f), result);
}

void TestPlotExport::rasterSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("tif") << "a.tif" << QSize(1280, 720);
    QTest::newRow("tiff") << "a.tiff" << QSize(1280, 720);
    QTest::newRow("TIFF") << "a.TIFF" << QSize(800, 450);
    QTest::newRow("png") << "a.png" << QSize(800, 450);
    QTest::newRow("jpg") << "a.jpg" << QSize(800, 450);
}

void TestPlotExport::rasterSize()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QCOMPARE(plotexport::rasterImageSize(name), size);
}

void TestPlotExport::documentsPath_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("inside");
    QTest::newRow("plain") << "dive.png" << "dive.png";
    QTest::newRow("folder") << "plots/dive.pdf" << "plots/dive.pdf";
    QTest::newRow("redundant parts") << "./plots//x/../dive.pdf" << "plots/dive.pdf";
    QTest::newRow("absolute stays inside") << "/tmp/dive.png" << "tmp/dive.png";
    QTest::newRow("no way up") << "../../etc/dive.png" << "etc/dive.png";
    QTest::newRow("no way up after root") << "/../dive.png" << "dive.png";
}

void TestPlotExport::documentsPath()
{
    QFETCH(QString, name);
    QFETCH(QString, inside);
    QCOMPARE(plotexport::documentsImagePath(name), documents() + "/" + inside);
}

void TestPlotExport::documentsPathRefusesEmptyName()
{
    for (const QString& name : {QString("."), QString(".."), QString("/"), QString("a/..")}) {
        bool thrown = false;
        try {
            plotexport::documentsImagePath(name);
        } catch (const QString&) {
            thrown = true;
        }
        QVERIFY2(thrown, qPrintable(name));
    }
}

void TestPlotExport::interactiveSaveAppendsExtension_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("png") << "dive" << "PNG image" << "dive.png" << QByteArray("png");
    QTest::newRow("jpeg") << "dive" << "Jpeg image" << "dive.jpeg" << QByteArray("jpeg");
    QTest::newRow("jpg kept, written as jpeg") << "dive.jpg" << "PNG image" << "dive.jpg" << QByteArray("jpeg");
}

void TestPlotExport::interactiveSaveAppendsExtension()
{
    QFETCH(QString, typed);
    QFETCH(QString, filter);
    QFETCH(QString, written);
    QFETCH(QByteArray, format);
    QSettings settings(tmp.filePath("settings.ini"), QSettings::IniFormat);
    const QString dir = tmp.filePath(QString("out-%1").arg(QTest::currentDataTag()).replace(' ', '_'));
    QVERIFY(QDir().mkpath(dir));

    AnsweredPlot w;
    fillSomething(w);
    w.setSettings(&settings);
    w.answer = dir + "/" + typed;
    w.answerFilter = filterNamed(filter);
    w.findChild<QPushButton*>("saveImage")->click();

    QCOMPARE(w.asked, 1);
    QCOMPARE(w.askedFilter, plotexport::imageFileFilter());
    QVERIFY(QFile::exists(dir + "/" + written));
    QCOMPARE(QDir(dir).entryList(QDir::Files).size(), 1);
    QImageReader reader(dir + "/" + written);
    QCOMPARE(reader.format(), format);
    QCOMPARE(reader.size(), QSize(800, 450));
    QCOMPARE(settings.value("Planner/imagePath").toString(), dir);
}

void TestPlotExport::interactiveCancelWritesNothing()
{
    QSettings settings(tmp.filePath("cancel.ini"), QSettings::IniFormat);
    AnsweredPlot w;
    w.setSettings(&settings);
    w.saveImageSlot();
    QCOMPARE(w.asked, 1);
    QVERIFY(!settings.contains("Planner/imagePath"));
}

void TestPlotExport::interactiveStartDirectory()
{
    QSettings settings(tmp.filePath("start.ini"), QSettings::IniFormat);
    AnsweredPlot w;
    w.setSettings(&settings);
    w.saveImageSlot();
    QCOMPARE(w.askedDir, documents()); // not set

    settings.setValue("Planner/imagePath", tmp.filePath("does-not-exist"));
    w.saveImageSlot();
    QCOMPARE(w.askedDir, documents());

    settings.setValue("Planner/imagePath", tmp.path());
    w.saveImageSlot();
    QCOMPARE(w.askedDir, tmp.path());
}

void TestPlotExport::realDialogAnswered()
{
    // The real save dialog, answered like a user: PNG filter, name without extension.
    QSettings settings(tmp.filePath("real.ini"), QSettings::IniFormat);
    const QString dir = tmp.filePath("real");
    QVERIFY(QDir().mkpath(dir));
    settings.setValue("Planner/imagePath", dir);
    PlotInterface w;
    fillSomething(w);
    w.setSettings(&settings);

    bool answered = false;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        QCOMPARE(dialog->windowTitle(), QString("Dump image to..."));
        dialog->selectNameFilter(filterNamed("PNG image"));
        dialog->selectFile(dir + "/real-dive");
        answered = true;
        static_cast<QDialog*>(dialog)->accept();
    });
    w.saveImageSlot();
    QVERIFY(answered);
    QVERIFY(QFile::exists(dir + "/real-dive.png"));
}

void TestPlotExport::scriptSavesPdfUnderDocuments()
{
    CollectingSink sink;
    PlotInterface w;
    fillSomething(w);
    w.setMessageSink(&sink);
    QDir(documents() + "/plots").removeRecursively();

    w.saveImageSlot("plots/dive.pdf");
    const QString file = documents() + "/plots/dive.pdf";
    QCOMPARE(sink.lines, QStringList{"Saving plot " + file});
    const QByteArray pdf = readAll(file);
    QVERIFY(pdf.startsWith("%PDF"));
    // A4 landscape: 842 x 595 points.
    const int at = pdf.indexOf("/MediaBox [");
    QVERIFY(at >= 0);
    const QList<QByteArray> box =
        pdf.mid(at + 11, pdf.indexOf(']', at) - at - 11).simplified().split(' ');
    QCOMPARE(box.size(), 4);
    QCOMPARE(qRound(box[2].toDouble()), 842);
    QCOMPARE(qRound(box[3].toDouble()), 595);
}

void TestPlotExport::scriptSavesSvg()
{
    PlotInterface w;
    fillSomething(w);
    w.saveImageSlot("dive.svg");
    const QByteArray svg = readAll(documents() + "/dive.svg");
    QVERIFY(svg.contains("<svg"));
    QVERIFY(svg.contains("viewBox=\"0 0 798 448\""));
    QVERIFY(svg.contains("Dive traces"));
    QVERIFY(svg.contains(plotexport::programAddress().toUtf8()));
}

void TestPlotExport::tiffSizes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("upper case TIFF is the small size") << "big/dive.TIFF" << QSize(800, 450);
    QTest::newRow("tif") << "big/dive.tif" << QSize(1280, 720);
    QTest::newRow("tiff") << "big/dive.tiff" << QSize(1280, 720);
    QTest::newRow("png") << "big/dive.png" << QSize(800, 450);
}

void TestPlotExport::tiffSizes()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    if (name.contains("tif", Qt::CaseInsensitive) && !QImageWriter::supportedImageFormats().contains("tiff"))
        QSKIP("no TIFF image plugin (Debian package qt5-image-formats-plugins)");
    PlotInterface w;
    fillSomething(w);
    w.saveImageSlot(name);
    QImageReader reader(documents() + "/" + name);
    QCOMPARE(reader.size(), size);
    const QImage image = reader.read();
    // Opaque everywhere: the corners too.
    QCOMPARE(image.pixelColor(0, 0).alpha(), 255);
    QCOMPARE(image.pixelColor(size.width() - 1, size.height() - 1).alpha(), 255);
}

void TestPlotExport::rasterFailureThrowsWriterText()
{
    PlotInterface w;
    fillSomething(w);
    QString error;
    try {
        plotexport::renderPlotToFile(w.plot(), tmp.filePath("no-such-dir/dive.png"));
    } catch (const QString& e) {
        error = e;
    }
    QVERIFY(!error.isEmpty());
    try {
        plotexport::renderPlotToFile(w.plot(), tmp.filePath("dive.unknownformat"));
        error.clear();
    } catch (const QString& e) {
        error = e;
    }
    QVERIFY(!error.isEmpty());
}

QTEST_MAIN(TestPlotExport)
#include "test_plot_export.moc"
