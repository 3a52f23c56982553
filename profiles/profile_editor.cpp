// SPDX-License-Identifier: GPL-3.0-or-later
// The profile editor dialog: the form, the plot and its picker, the logbook files in and out;
// every edit goes through ProfileEdits, which keeps the history.
#include "profiles/profile_editor.h"

#include "device/config_image.h"
#include "device/message_sink.h"
#include "profiles/dive_profile.h"
#include "profiles/logbook_files.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QSettings>
#include <QStandardPaths>
#include <qwt_picker_machine.h>
#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_scale_engine.h>

#include <algorithm>
#include <cmath>

// ---------------------------------------------------------------------------------------------
// MyWidget

MyWidget::MyWidget(QWidget* canvas, const QColor& colour) : QWidget(canvas), colour_(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(canvas->rect());
}

void MyWidget::mark(const QPoint& pixel)
{
    point_ = pixel;
    // Only the circle is part of the widget; the plot stays visible and clickable around it.
    setMask(QRegion(QRect(pixel - QPoint(6, 6), QSize(13, 13)), QRegion::Ellipse));
    update();
}

void MyWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour_, 3));
    painter.drawEllipse(QPointF(point_), 3, 3);
}

// ---------------------------------------------------------------------------------------------
// MyPicker

MyPicker::MyPicker(QWidget* canvas, DiveProfile* profile)
    : QwtPlotPicker(QwtPlot::xBottom, QwtPlot::yLeft, QwtPicker::NoRubberBand,
                    QwtPicker::ActiveOnly, canvas),
      profile_(profile)
{
}

MyPicker::~MyPicker()
{
    delete overlay_.data();
}

QwtText MyPicker::trackerTextF(const QPointF& pos) const
{
    return QwtText(QStringLiteral("%1' %2m").arg(pos.x(), 0, 'f', 1).arg(pos.y(), 0, 'f', 1));
}

void MyPicker::widgetMouseMoveEvent(QMouseEvent* event)
{
    QwtPlotPicker::widgetMouseMoveEvent(event);
    const int i = (mode == Delete || mode == Gas)
                      ? ProfileEdits::nearestPoint(*profile_, invTransform(event->pos()).x())
                      : -1;
    if (i < 0) {
        delete overlay_.data();
        return;
    }
    if (!overlay_)
        overlay_ = new MyWidget(canvas(), rubberBandPen().color());
    overlay_->setGeometry(canvas()->rect());
    overlay_->mark(transform(QPointF(profile_->times()[i], profile_->depths()[i])));
    overlay_->show();
}

// ---------------------------------------------------------------------------------------------
// ProfileEditorInterface: construction and hand-over

ProfileEditorInterface::ProfileEditorInterface(QWidget* parent) : QDialog(parent)
{
    setupUi(this);

    // Axes: depth downwards from the surface, time from the start.
    plot->setAutoDelete(false); // the profile owns its curves and markers
    plot->setCanvasBackground(Qt::white);
    QwtScaleEngine* depthEngine = plot->axisScaleEngine(QwtPlot::yLeft);
    depthEngine->setAttribute(QwtScaleEngine::Inverted);
    depthEngine->setAttribute(QwtScaleEngine::IncludeReference);
    depthEngine->setReference(0.0);

    connect(loadB, &QPushButton::clicked, this, &ProfileEditorInterface::loadProfileSlot);
    connect(saveB, &QPushButton::clicked, this, &ProfileEditorInterface::saveProfileSlot);
    connect(clearB, &QPushButton::clicked, this, &ProfileEditorInterface::clearProfileSlot);
    connect(addLegTB, &QToolButton::clicked, this, &ProfileEditorInterface::addLegSlot);
    connect(offPointTB, &QToolButton::clicked, this, &ProfileEditorInterface::offPointSlot);
    connect(addPointTB, &QToolButton::clicked, this, &ProfileEditorInterface::addPointSlot);
    connect(delPointTB, &QToolButton::clicked, this, &ProfileEditorInterface::delPointSlot);
    connect(gasTB, &QToolButton::clicked, this, &ProfileEditorInterface::gasPointSlot);
    connect(undoButton, &QPushButton::clicked, this, &ProfileEditorInterface::undoSlot);
    connect(redoButton, &QPushButton::clicked, this, &ProfileEditorInterface::redoSlot);
    // Many points changed at once are changed unseen and drawn once.
    edits_.bulkChange = [this](bool begin) { profile_->attach(begin ? nullptr : plot); };

    newProfile();
    retranslate();
}

void ProfileEditorInterface::retranslate()
{
    plot->setAxisTitle(QwtPlot::yLeft, tr("depth [m]"));
    plot->setAxisTitle(QwtPlot::xBottom, tr("Time [min]"));
    updateAxes(); // and the recorded ppO2 axis
}

void ProfileEditorInterface::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        retranslate();
    }
    QDialog::changeEvent(event);
}

ProfileEditorInterface::~ProfileEditorInterface()
{
    delete picker_;
    if (profile_)
        profile_->attach(nullptr);
}

void ProfileEditorInterface::setProfile(const DiveProfile* profile)
{
    newProfile();
    if (profile)
        profile_->assign(*profile);
    edits_.forget();
    updateAxes();
}

std::unique_ptr<DiveProfile> ProfileEditorInterface::takeProfile()
{
    profile_->attach(nullptr);
    std::unique_ptr<DiveProfile> taken = std::move(profile_);
    newProfile();
    updateButtons();
    return taken;
}

void ProfileEditorInterface::newProfile()
{
    delete picker_; // it points at the profile about to go
    picker_ = nullptr;
    if (profile_)
        profile_->attach(nullptr);
    profile_ = std::make_unique<DiveProfile>();
    profile_->attach(plot);
    ProfileEdits::startDive(*profile_, configuration_);
    edits_.setProfile(profile_.get());

    picker_ = new MyPicker(plot->canvas(), profile_.get());
    offPointTB->setChecked(true);
    plot->axisScaleEngine(QwtPlot::yLeft)->setMargins(0, 5);
    plot->axisScaleEngine(QwtPlot::xBottom)->setMargins(0, 5);
    updateAxes();
}

// ---------------------------------------------------------------------------------------------
// Files

QString ProfileEditorInterface::startDirectory() const
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString dir =
        settings_ ? settings_->value("Planner/profilePath", documents).toString() : documents;
    return QDir(dir).exists() ? dir : documents;
}

void ProfileEditorInterface::failure(const QString& text)
{
    const QString line = "<font color='red'><b>" + text + "</b></font>";
    if (console_)
        console_->message(line);
    else
        qWarning("%s", qPrintable(text));
}

void ProfileEditorInterface::loadProfileSlot()
{
    const QString file = QFileDialog::getOpenFileName(
        this, tr("Loading profile..."), startDirectory(),
        // Patterns apart by blanks: the file dialog reads "*.xml;*.uddf" as one pattern that
        // no file matches.
        tr("All supported profiles (*.xml *.uddf *.udcf);;XML: DivingLog 5, Shearwater Desktop "
           "(*.xml);;UDDF: DivingLog 2 or 3 (*.uddf);;UDCF: MacDive (*.udcf);;"));
    if (file.isEmpty())
        return;
    if (settings_)
        settings_->setValue("Planner/profilePath", QFileInfo(file).absolutePath());

    // The file is read beside the edited profile, so a bad file leaves the drawing alone.
    DiveProfile loaded;
    ProfileEdits::startDive(loaded, configuration_);
    try {
        logbook::load(loaded, file, configuration_, console_);
    } catch (const QString& text) {
        failure(text);
        // A modal editor hides the console: the failure is shown on it, with the file.
        if (isModal()) {
            QMessageBox box(QMessageBox::Warning, tr("Loading profile..."),
                            tr("The profile '%1' was not loaded: %2")
                                .arg(QDir::toNativeSeparators(file).toHtmlEscaped(), text),
                            QMessageBox::Ok, this);
            box.setTextFormat(Qt::RichText); // the reader's texts are HTML
            box.exec();
        }
        return;
    }
    newProfile();
    profile_->assign(loaded);
    // A log with its own point at time 0 needs no second start point (else every save and
    // load would add one more).
    edits_.dropSecondStart();
    edits_.forget();
    updateAxes();
}

void ProfileEditorInterface::saveProfileSlot()
{
    QString filter;
    QString file = QFileDialog::getSaveFileName(
        this, tr("Saving profile..."), startDirectory(),
        tr("DivingLog XML (*.xml);;DivingLog UDDF (*.uddf);;"), &filter);
    if (file.isEmpty())
        return;
    // A name typed without its ending gets the one of the chosen format.
    if (QFileInfo(file).suffix().isEmpty())
        file += filter.contains("*.uddf") ? ".uddf" : ".xml";
    if (settings_)
        settings_->setValue("Planner/profilePath", QFileInfo(file).absolutePath());
    try {
        logbook::save(*profile_, file, configuration_, console_);
    } catch (const QString& text) {
        failure(text);
        return;
    }
    edits_.forget();
    updateButtons();
}

// ---------------------------------------------------------------------------------------------
// Edits

void ProfileEditorInterface::clearProfileSlot()
{
    edits_.clear();
    offPointSlot();
    updateAxes();
}

void ProfileEditorInterface::addEditedPoint(double minutes, double metres)
{
    edits_.addPoint(minutes, metres);
    updateAxes();
}

void ProfileEditorInterface::addLegSlot()
{
    edits_.addLeg(legDepthSB->value(), legTimeSB->value(), descentSpeedDSB->value(),
                  ascentSpeedDSB->value());
    updateAxes();
}

void ProfileEditorInterface::setMode(int mode, void (ProfileEditorInterface::*callback)(QPointF))
{
    // Off first: no callback, tracker only while active, no state machine.
    disconnect(picker_, QOverload<const QPointF&>::of(&QwtPlotPicker::appended), this, nullptr);
    picker_->setTrackerMode(QwtPicker::ActiveOnly);
    picker_->setStateMachine(nullptr);
    picker_->mode = MyPicker::Off;
    delete picker_->overlay();
    if (callback) {
        connect(picker_, QOverload<const QPointF&>::of(&QwtPlotPicker::appended), this, callback);
        picker_->setTrackerMode(QwtPicker::AlwaysOn);
        picker_->setStateMachine(new QwtPickerClickPointMachine);
        picker_->mode = mode;
    }
    QToolButton* buttons[] = {offPointTB, addPointTB, delPointTB, gasTB};
    buttons[mode]->setChecked(true);
}

void ProfileEditorInterface::offPointSlot()
{
    setMode(MyPicker::Off, nullptr);
}

void ProfileEditorInterface::addPointSlot()
{
    setMode(MyPicker::Add, &ProfileEditorInterface::addPointCallback);
}

void ProfileEditorInterface::delPointSlot()
{
    setMode(MyPicker::Delete, &ProfileEditorInterface::delPointCallback);
}

void ProfileEditorInterface::gasPointSlot()
{
    setMode(MyPicker::Gas, &ProfileEditorInterface::gasPointCallback);
}

void ProfileEditorInterface::addPointCallback(QPointF p)
{
    // Nothing lies above the surface or before the start.
    addEditedPoint(std::max(p.x(), 0.0), std::max(p.y(), 0.0));
}

void ProfileEditorInterface::delPointCallback(QPointF p)
{
    const int i = ProfileEdits::nearestPoint(*profile_, p.x());
    if (i >= 0 && edits_.deletePointsAt(profile_->times()[i]))
        updateAxes();
}

void ProfileEditorInterface::gasPointCallback(QPointF p)
{
    const int i = ProfileEdits::nearestPoint(*profile_, p.x());
    if (i < 0)
        return;
    const double time = profile_->times()[i];
    const double depth = profile_->depths()[i];
    bool ok = false;
    const int gas = QInputDialog::getInt(this, tr("Gas Change..."), tr("new gas ="),
                                         qBound(1, profile_->gasAt(time), 5), 1, 5, 1, &ok);
    if (ok && edits_.setGasAt(time, depth, gas))
        updateAxes();
}

void ProfileEditorInterface::undoSlot()
{
    if (edits_.undo())
        updateAxes();
}

void ProfileEditorInterface::redoSlot()
{
    if (edits_.redo())
        updateAxes();
}

// ---------------------------------------------------------------------------------------------
// Axes

void ProfileEditorInterface::updateAxes()
{
    // 0-40 m and 0-40 min stay fixed, so drawing a dive does not rescale under the mouse.
    if (profile_->diveDepth() <= 40)
        plot->setAxisScale(QwtPlot::yLeft, 40, 0);
    else
        plot->setAxisAutoScale(QwtPlot::yLeft);
    if (profile_->diveTime() <= 40)
        plot->setAxisScale(QwtPlot::xBottom, 0, 40);
    else
        plot->setAxisAutoScale(QwtPlot::xBottom);
    const bool ppO2 = profile_->hasRecordedPpO2();
    plot->enableAxis(QwtPlot::yRight, ppO2);
    if (ppO2) {
        plot->setAxisScale(QwtPlot::yRight, 0, 5, 1);
        plot->setAxisTitle(
            QwtPlot::yRight,
            QwtText(tr("<font color='red'>Recorded ppO2 [bar]</font>"), QwtText::RichText));
    }
    updateButtons();
    plot->replot();
}

void ProfileEditorInterface::updateButtons()
{
    undoButton->setEnabled(!edits_.undoStack().isEmpty());
    redoButton->setEnabled(!edits_.redoStack().isEmpty());
}
