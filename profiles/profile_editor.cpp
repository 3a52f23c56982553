// The profile editor: legs, clicked points, deletions and gas changes on the edited profile,
// each recorded as an EditAction so that it can be undone and redone; logbook files in and out.
//
// Undo puts back exactly what an edit changed: a deleted point returns with its recorded ppO2
// and the changes keyed at its second, an added point leaves without taking its neighbours
// with it, and a gas change returns the changes its normalisation swallowed.
#include "profiles/profile_editor.h"

#include "device/config_image.h"
#include "device/message_sink.h"
#include "profiles/dive_profile.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMouseEvent>
#include <QPainter>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <qwt_picker_machine.h>
#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_scale_engine.h>

#include <algorithm>
#include <cmath>

namespace
{

// removePoint's reach around a time, minutes (with the model's allowance for binary error).
bool withinReach(double t, double minutes)
{
    return std::fabs(t - minutes) <= 0.1 + 1e-9;
}

} // namespace

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

int MyPicker::nearestPoint(const DiveProfile& profile, double minutes)
{
    const QVector<double>& t = profile.times();
    if (t.isEmpty())
        return -1;
    // The times are sorted: the nearest point is one of the two around the first time >= minutes.
    const int after =
        static_cast<int>(std::lower_bound(t.constBegin(), t.constEnd(), minutes) - t.constBegin());
    if (after == 0)
        return 0;
    if (after < t.size() && t[after] - minutes < minutes - t[after - 1])
        return after;
    // The first of the points sharing that time.
    return static_cast<int>(std::lower_bound(t.constBegin(), t.constEnd(), t[after - 1]) -
                            t.constBegin());
}

void MyPicker::widgetMouseMoveEvent(QMouseEvent* event)
{
    QwtPlotPicker::widgetMouseMoveEvent(event);
    const int i = (mode == Delete || mode == Gas)
                      ? nearestPoint(*profile_, invTransform(event->pos()).x())
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
    undoStack_.clear();
    redoStack_.clear();
    updateAxes();
}

std::unique_ptr<DiveProfile> ProfileEditorInterface::takeProfile()
{
    profile_->attach(nullptr);
    std::unique_ptr<DiveProfile> taken = std::move(profile_);
    newProfile();
    undoStack_.clear();
    redoStack_.clear();
    updateButtons();
    return taken;
}

// A new dive: the surface at time 0 (with the air ppO2 a rebreather log starts from) on the
// configuration's first gas, and in closed circuit its first setpoint.
void ProfileEditorInterface::startDive(DiveProfile& profile) const
{
    profile.addPoint(0, 0, 0.21);
    int gas = 1;
    if (configuration_) {
        const int first = configuration_->byte(ConfigImage::first_gas);
        gas = first >= 1 && first <= 5 ? first : 1;
        if (configuration_->isCcr())
            // The value a run compares with: the engine's centibars over 100.
            profile.setSetpoint(0, setpointBar(configuration_->setpoint(1)));
    }
    profile.setGas(0, gas);
}

void ProfileEditorInterface::newProfile()
{
    delete picker_; // it points at the profile about to go
    picker_ = nullptr;
    if (profile_)
        profile_->attach(nullptr);
    profile_ = std::make_unique<DiveProfile>();
    profile_->attach(plot);
    startDive(*profile_);

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
    startDive(loaded);
    try {
        loaded.load(file, configuration_, console_);
    } catch (const QString& text) {
        failure(text);
        return;
    }
    newProfile();
    profile_->assign(loaded);
    // A log with its own point at time 0 needs no second start point (else every save and
    // load would add one more).
    if (profile_->points() > 1 && profile_->times()[1] <= 0)
        removeExactly({0, 0, 0, 0.0f, -1});
    undoStack_.clear();
    redoStack_.clear();
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
        profile_->save(file, configuration_, console_);
    } catch (const QString& text) {
        failure(text);
        return;
    }
    undoStack_.clear();
    redoStack_.clear();
    updateButtons();
}

// ---------------------------------------------------------------------------------------------
// Edits

void ProfileEditorInterface::push(const EditAction& action)
{
    undoStack_.append(action);
    redoStack_.clear();
    updateAxes();
}

void ProfileEditorInterface::clearProfileSlot()
{
    if (profile_->points() > 1) {
        EditAction action;
        action.type = EditAction::Deleted;
        const QVector<double>& t = profile_->times();
        for (int i = 1; i < t.size(); ++i) {
            // Each point carries the changes keyed at its second, once.
            const int key = DiveProfile::secondsKey(t[i]);
            const bool first = DiveProfile::secondsKey(t[i - 1]) != key;
            EditItem item;
            item.time = t[i];
            item.depth = profile_->depths()[i];
            item.ppO2 = i < profile_->ppO2().size() ? profile_->ppO2()[i] : -1;
            item.gas = first ? profile_->gasChanges().value(key, 0) : 0;
            item.setpoint = first ? profile_->setpointChanges().value(key, 0.0f) : 0.0f;
            action.items.append(item);
        }
        undoStack_.append(action);
        redoStack_.clear();
    }
    newProfile();
}

void ProfileEditorInterface::addEditedPoint(double minutes, double metres)
{
    profile_->addPoint(minutes, metres);
    EditAction action;
    action.items.append({minutes, metres, 0, 0.0f, -1});
    push(action);
}

void ProfileEditorInterface::addLegSlot()
{
    const double last = profile_->lastDepth();
    const double target = legDepthSB->value();
    const double travel = std::ceil(target > last ? (target - last) / descentSpeedDSB->value()
                                                  : (last - target) / ascentSpeedDSB->value());
    // The leg lasts its time in total, travel included; a leg shorter than its travel is the
    // travel alone (never a point back in time).
    const double stay = std::max(legTimeSB->value() - travel, 0.0);
    EditAction action;
    if (travel > 0) {
        const double arrival = profile_->diveTime() + travel;
        profile_->addPoint(arrival, target);
        action.items.append({arrival, target, 0, 0.0f, -1});
    }
    if (stay > 0 || travel <= 0) {
        const double end = profile_->diveTime() + stay;
        profile_->addPoint(end, target);
        action.items.append({end, target, 0, 0.0f, -1});
    }
    push(action);
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

QVector<EditItem> ProfileEditorInterface::pointsNear(double minutes) const
{
    QVector<EditItem> items;
    const QVector<double>& t = profile_->times();
    const int key = DiveProfile::secondsKey(minutes);
    bool changesTaken = false;
    for (int i = 0; i < t.size(); ++i) {
        if (!withinReach(t[i], minutes))
            continue;
        EditItem item;
        item.time = t[i];
        item.depth = profile_->depths()[i];
        item.ppO2 = i < profile_->ppO2().size() ? profile_->ppO2()[i] : -1;
        // removePoint drops the changes keyed at the given second; they go with its point.
        if (!changesTaken && DiveProfile::secondsKey(t[i]) == key) {
            changesTaken = true;
            item.gas = profile_->gasChanges().value(key, 0);
            item.setpoint = profile_->setpointChanges().value(key, 0.0f);
        }
        items.append(item);
    }
    return items;
}

QVector<EditItem> ProfileEditorInterface::removePoints(double minutes)
{
    QVector<EditItem> removed = pointsNear(minutes);
    profile_->removePoint(minutes);
    // The dive always starts at time 0: a start point within reach comes straight back.
    for (auto it = removed.begin(); it != removed.end();) {
        if (it->time <= 0) {
            profile_->addPoint(it->time, it->depth, it->ppO2);
            it = removed.erase(it);
        } else {
            ++it;
        }
    }
    return removed;
}

// What removePoints does for each item, in one pass: a Clear redone on a long log stays linear.
void ProfileEditorInterface::removeAgain(const QVector<EditItem>& items)
{
    QVector<double> reach;
    QSet<int> keys;
    for (const EditItem& item : items) {
        reach.append(item.time);
        keys.insert(DiveProfile::secondsKey(item.time));
    }
    std::sort(reach.begin(), reach.end());
    const QVector<double>& t = profile_->times();
    DiveProfile kept;
    for (int i = 0; i < t.size(); ++i) {
        const auto from = std::lower_bound(reach.constBegin(), reach.constEnd(), t[i] - 0.2);
        const auto to = std::upper_bound(from, reach.constEnd(), t[i] + 0.2);
        const bool gone =
            t[i] > 0 && std::any_of(from, to, [&](double r) { return withinReach(t[i], r); });
        if (!gone)
            kept.addPoint(t[i], profile_->depths()[i],
                          i < profile_->ppO2().size() ? profile_->ppO2()[i] : -1);
    }
    const QMap<int, int>& gases = profile_->gasChanges();
    for (auto it = gases.constBegin(); it != gases.constEnd(); ++it)
        if (!keys.contains(it.key()))
            kept.setGas(it.key() / 60.0, it.value());
    const QMap<int, float>& setpoints = profile_->setpointChanges();
    for (auto it = setpoints.constBegin(); it != setpoints.constEnd(); ++it)
        if (!keys.contains(it.key()))
            kept.setSetpoint(it.key() / 60.0, it.value());
    profile_->assign(kept);
}

void ProfileEditorInterface::restore(const EditItem& item)
{
    profile_->addPoint(item.time, item.depth, item.ppO2);
    if (item.gas > 0)
        profile_->setGas(item.time, item.gas);
    if (item.setpoint > 0)
        profile_->setSetpoint(item.time, item.setpoint);
}

void ProfileEditorInterface::removeExactly(const EditItem& item)
{
    const QVector<EditItem> near = pointsNear(item.time);
    const int key = DiveProfile::secondsKey(item.time);
    const int gas = profile_->gasChanges().value(key, 0);
    const float setpoint = profile_->setpointChanges().value(key, 0.0f);
    profile_->removePoint(item.time);
    bool gone = false;
    for (const EditItem& p : near) {
        if (!gone && p.time == item.time && p.depth == item.depth) {
            gone = true;
            continue;
        }
        profile_->addPoint(p.time, p.depth, p.ppO2);
    }
    if (gas > 0)
        profile_->setGas(item.time, gas);
    if (setpoint > 0)
        profile_->setSetpoint(item.time, setpoint);
}

void ProfileEditorInterface::addPointCallback(QPointF p)
{
    // Nothing lies above the surface or before the start.
    addEditedPoint(std::max(p.x(), 0.0), std::max(p.y(), 0.0));
}

void ProfileEditorInterface::delPointCallback(QPointF p)
{
    const int i = MyPicker::nearestPoint(*profile_, p.x());
    if (i < 0)
        return;
    const double time = profile_->times()[i];
    // The start point stays, and so do the changes keyed at second 0 (the starting gas).
    if (DiveProfile::secondsKey(time) <= 0)
        return;
    EditAction action;
    action.type = EditAction::Deleted;
    action.items = removePoints(time);
    push(action);
}

void ProfileEditorInterface::gasPointCallback(QPointF p)
{
    const int i = MyPicker::nearestPoint(*profile_, p.x());
    if (i < 0)
        return;
    const double time = profile_->times()[i];
    const double depth = profile_->depths()[i];
    bool ok = false;
    const int gas = QInputDialog::getInt(this, tr("Gas Change..."), tr("new gas ="),
                                         qBound(1, profile_->gasAt(time), 5), 1, 5, 1, &ok);
    if (!ok)
        return;
    const int key = DiveProfile::secondsKey(time);
    const QMap<int, int> before = profile_->gasChanges();
    profile_->setGas(time, gas);
    const QMap<int, int>& after = profile_->gasChanges();
    if (after == before)
        return;
    EditAction action;
    action.type = EditAction::GasChanged;
    action.items.append({time, depth, before.value(key, 0), 0.0f, -1});
    action.items.append({time, depth, gas, 0.0f, -1});
    // Changes elsewhere that became redundant and were dropped come back with an undo.
    for (auto it = before.constBegin(); it != before.constEnd(); ++it)
        if (it.key() != key && !after.contains(it.key()))
            action.items.append({it.key() / 60.0, depth, it.value(), 0.0f, -1});
    push(action);
}

void ProfileEditorInterface::undoSlot()
{
    if (undoStack_.isEmpty())
        return;
    const EditAction action = undoStack_.takeLast();
    replayAction(action, false);
    redoStack_.append(action);
    updateAxes();
}

void ProfileEditorInterface::redoSlot()
{
    if (redoStack_.isEmpty())
        return;
    const EditAction action = redoStack_.takeLast();
    replayAction(action, true);
    undoStack_.append(action);
    updateAxes();
}

void ProfileEditorInterface::replayAction(const EditAction& action, bool forward)
{
    // Many points at once (a Clear undone or redone) are changed unseen and drawn once.
    const bool bulk = action.items.size() > 2;
    if (bulk)
        profile_->attach(nullptr);
    switch (action.type) {
    case EditAction::Added:
        if (forward) {
            for (const EditItem& item : action.items)
                profile_->addPoint(item.time, item.depth);
        } else {
            for (int i = action.items.size() - 1; i >= 0; --i)
                removeExactly(action.items[i]);
        }
        break;
    case EditAction::Deleted:
        if (forward) {
            removeAgain(action.items);
        } else {
            for (const EditItem& item : action.items)
                restore(item);
        }
        break;
    case EditAction::GasChanged:
        if (forward) {
            profile_->setGas(action.items[1].time, action.items[1].gas);
        } else {
            // The gas before the change, and the later changes its tidying removed.
            profile_->setGas(action.items[0].time, action.items[0].gas);
            for (int i = 2; i < action.items.size(); ++i)
                profile_->setGas(action.items[i].time, action.items[i].gas);
        }
        break;
    }
    if (bulk)
        profile_->attach(plot);
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
    undoButton->setEnabled(!undoStack_.isEmpty());
    redoButton->setEnabled(!redoStack_.isEmpty());
}
