// SPDX-License-Identifier: GPL-3.0-or-later
// The profile editor: a modal dialog in which the diver draws a dive by legs or by clicks into
// the plot, deletes points, sets gas changes on points, or loads and saves a logbook file, with
// every change undoable (the edits and their history are ProfileEdits; the dialog draws). The main
// window hands its current profile in (setProfile) and takes the edited one back on Ok
// (takeProfile).
//
// Ownership: the editor owns the profile it edits and the plot never deletes it (the plot's
// auto-delete is off, and takeProfile detaches the profile before handing it over).
//
// Entry points: ProfileEditorInterface::setProfile, takeProfile, the slots of the form;
// MyPicker (the plot picker of the four point modes) and MyWidget (the marked-point overlay).
#pragma once

#include "profiles/profile_edits.h"
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
    void setConfiguration(ConfigImage* image)
    {
        configuration_ = image;
        edits_.setConfiguration(image);
    }
    void setMessageSink(MessageSink* sink) { console_ = sink; }
    void setSettings(QSettings* settings) { settings_ = settings; }

    // Starts editing a copy of the given profile (none: a new dive); history emptied.
    void setProfile(const DiveProfile* profile);
    // Detaches the edited profile and hands it over; the editor starts a new one.
    std::unique_ptr<DiveProfile> takeProfile();

    const DiveProfile* profile() const { return profile_.get(); }
    MyPicker* picker() const { return picker_; }
    const QVector<EditAction>& undoStack() const { return edits_.undoStack(); }
    const QVector<EditAction>& redoStack() const { return edits_.redoStack(); }

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
    void newProfile();
    void addEditedPoint(double minutes, double metres);
    void setMode(int mode, void (ProfileEditorInterface::*callback)(QPointF));
    void updateAxes();
    void updateButtons();
    QString startDirectory() const;
    void failure(const QString& text);

    std::unique_ptr<DiveProfile> profile_;
    MyPicker* picker_ = nullptr;
    ProfileEdits edits_; // the edits of profile_ and their history
    ConfigImage* configuration_ = nullptr;
    MessageSink* console_ = nullptr;
    QSettings* settings_ = nullptr;
};
