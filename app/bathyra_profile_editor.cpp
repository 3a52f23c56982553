// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's edit-profile command: the profile editor, created on first use and kept,
// runs modally on a copy of the current profile. Ok makes the edited profile the current one
// and switches to replay mode, as loading a profile does, so that Simulate replays it; closing
// the editor leaves the current profile as it was. Nothing is edited while a run is going on.
// A logbook file named on the command line (bathyra, bathyra-cli --profile) becomes the
// current profile the same way.
#include "app/bathyra_interface.h"

#include "app/app_settings.h"
#include "planner/dive_parameters.h"
#include "planner/simulation.h"
#include "profiles/dive_profile.h"
#include "profiles/logbook_files.h"
#include "profiles/profile_editor.h"

ProfileEditorInterface* Bathyra_Interface::profileEditor()
{
    if (!profileEditor_) {
        profileEditor_ = new ProfileEditorInterface(this);
        profileEditor_->setConfiguration(&planner::currentImage());
        profileEditor_->setMessageSink(this);
    }
    return profileEditor_;
}

void Bathyra_Interface::loadProfileFile(const QString& file)
{
    auto profile = std::make_unique<DiveProfile>();
    logbook::load(*profile, file, &planner::currentImage(), this);
    setCurrentProfile(std::move(profile));
    showParameters();
    replayMode->setChecked(true);
}

void Bathyra_Interface::editProfileSlot()
{
    // A run replays the current profile while it lets events through; it must not be
    // replaced under it.
    if (BusyGuard::busy())
        return;
    applyParameters(false);
    ProfileEditorInterface* editor = profileEditor();
    // Asked for at each use: the settings object is reopened when its file changes.
    editor->setSettings(&appSettings());
    // The editor works on its own copy; the current profile keeps its own plot items.
    editor->setProfile(profile_.get());
    if (editor->exec() == QDialog::Accepted) {
        setCurrentProfile(editor->takeProfile());
        replayMode->setChecked(true);
    }
    showParameters();
}
