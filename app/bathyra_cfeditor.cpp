// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's custom function editor command: the window's own settings go into
// the image first, so that the editor shows them; an accepted dialog writes the image and
// the window shows it again. The dialog is built on first use and kept (a child of the
// window) for later calls.
//
// Entry point: Bathyra_Interface::editCFSlot.
#include "app/bathyra_interface.h"

#include "cfeditor/cf_editor.h"
#include "planner/dive_parameters.h"

void Bathyra_Interface::editCFSlot()
{
    // A run, a device command or a script lets events run; edits made meanwhile would be
    // overwritten by it, or would change the image under it.
    if (BusyGuard::busy())
        return;
    auto* editor = findChild<CF_Editor_Interface*>(QString(), Qt::FindDirectChildrenOnly);
    if (!editor)
        editor = new CF_Editor_Interface(this);

    applyParameters(true);
    ConfigImage& image = planner::currentImage();
    editor->loadFromImage(image);
    if (editor->exec() != QDialog::Accepted)
        return;
    editor->applyToImage(image, this);
    showParameters();
}
