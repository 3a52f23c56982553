// The profile editor: a modal dialog in which the diver draws a dive by legs or by clicks into
// the plot, deletes points, sets gas changes on points, or loads and saves a logbook file, with
// every change undoable. The main window hands its current profile in (setProfile) and takes
// the edited one back on Ok (takeProfile).
//
// Ownership: the editor owns the profile it edits and the plot never deletes it (the plot's
// auto-delete is off, and takeProfile detaches the profile before handing it over).
//
// Entry points: ProfileEditorInterface::setProfile, takeProfile, the slots of the form;
// MyPicker (the plot picker of the four point modes) and MyWidget (the marked-point overlay).
#pragma once

#include "ui_profile_editor.h"

#include <QDialog>
#include <QPointer>
#include <QVector>
#include <qwt_plot_picker.h>

#include <memory>

class ConfigImage;
class DiveProfile;
class MessageSink;
class QSettings;

// One point of an edit, with the changes keyed at its second and its recorded ppO2, so that an
// undo puts back exactly what was there.
struct EditItem {
    double time = 0;    // minutes
    double depth = 0;   // metres
    int gas = 0;        // gas change at the point's second, 0 none
    float setpoint = 0; // setpoint change at the point's second in bar, 0 none
    double ppO2 = -1;   // recorded ppO2 in bar, -1 none
};

struct EditAction {
    enum Type { Added = 0, Deleted = 1, GasChanged = 2 };
    int type = Added;
    // Added/Deleted: the points; GasChanged: item 0 the old gas (0: no change at that second),
    // item 1 the new gas, further items the changes elsewhere that the new one made redundant.
    QVector<EditItem> items;
};

// The marked point of the delete and gas modes, drawn over the plot canvas.
class MyWidget : public QWidget
{
    Q_OBJECT
public:
    MyWidget(QWidget* canvas, const QColor& colour);
    // Marks a point given in canvas pixels.
    void mark(const QPoint& pixel);
    QPoint marked() const { return point_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
    QPoint point_;
};

class MyPicker : public QwtPlotPicker
{
    Q_OBJECT
public:
    enum Mode { Off = 0, Add = 1, Delete = 2, Gas = 3 };

    MyPicker(QWidget* canvas, DiveProfile* profile);
    ~MyPicker() override;

    QwtText trackerTextF(const QPointF& pos) const override;
    int mode = Off;
    MyWidget* overlay() const { return overlay_; }

    // Index of the point nearest in time (the first of equally near ones), -1 when none.
    static int nearestPoint(const DiveProfile& profile, double minutes);

protected:
    void widgetMouseMoveEvent(QMouseEvent* event) override;

private:
    QPointer<MyWidget> overlay_;
    DiveProfile* profile_; // the edited profile, not owned
};

class ProfileEditorInterface : public QDialog, public Ui_ProfileEditorWidget
{
    Q_OBJECT
public:
    explicit ProfileEditorInterface(QWidget* parent = nullptr);
    ~ProfileEditorInterface() override;

    // Where files are read into and written from (gases, mode; none allowed), where failures
    // are shown, and the settings holding "Planner/profilePath" (none: documents folder).
    void setConfiguration(ConfigImage* image) { configuration_ = image; }
    void setMessageSink(MessageSink* sink) { console_ = sink; }
    void setSettings(QSettings* settings) { settings_ = settings; }

    // Starts editing a copy of the given profile (none: a new dive); history emptied.
    void setProfile(const DiveProfile* profile);
    // Detaches the edited profile and hands it over; the editor starts a new one.
    std::unique_ptr<DiveProfile> takeProfile();

    const DiveProfile* profile() const { return profile_.get(); }
    MyPicker* picker() const { return picker_; }
    const QVector<EditAction>& undoStack() const { return undoStack_; }
    const QVector<EditAction>& redoStack() const { return redoStack_; }

public slots:
    void loadProfileSlot();
    void saveProfileSlot();
    void clearProfileSlot();
    void addLegSlot();
    void offPointSlot();
    void addPointSlot();
    void delPointSlot();
    void gasPointSlot();
    void undoSlot();
    void redoSlot();
    void addPointCallback(QPointF p);
    void delPointCallback(QPointF p);
    void gasPointCallback(QPointF p);

protected:
    // A language switched in the settings: the form and the axis titles follow.
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void startDive(DiveProfile& profile) const;
    void newProfile();
    void addEditedPoint(double minutes, double metres);
    void push(const EditAction& action);
    void setMode(int mode, void (ProfileEditorInterface::*callback)(QPointF));
    void updateAxes();
    void updateButtons();
    QString startDirectory() const;
    void failure(const QString& text);

    // The points removePoint(minutes) takes, each with its changes and ppO2.
    QVector<EditItem> pointsNear(double minutes) const;
    // removePoint, except that the starting point at time 0 always stays.
    QVector<EditItem> removePoints(double minutes);
    // Removes exactly one point (an added one), keeping its neighbours and the changes.
    void removeExactly(const EditItem& item);
    // removePoints at each item's time, in one pass.
    void removeAgain(const QVector<EditItem>& items);
    void restore(const EditItem& item);
    // Undoes (forward false) or redoes an action on the profile.
    void replayAction(const EditAction& action, bool forward);

    std::unique_ptr<DiveProfile> profile_;
    MyPicker* picker_ = nullptr;
    QVector<EditAction> undoStack_;
    QVector<EditAction> redoStack_;
    ConfigImage* configuration_ = nullptr;
    MessageSink* console_ = nullptr;
    QSettings* settings_ = nullptr;
};
