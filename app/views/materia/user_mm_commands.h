// The commands on the user's own materia medicas, as the materia medica
// window offers them: each asks what it needs (file choosers and message
// boxes through CDialogService, the author info through
// author_info_dialog.h), changes the sources through CUserMateriaMedicas and
// broadcasts EV_UPDATE_MATERIA_MEDICA when something changed.  Messages and
// dialogs are parented to `parent`, or to the main window when it is null.
//
// Everything runs on the user-interface thread.
#pragma once

class DataSource;
class QWidget;

namespace materia {

// "New Materia Medica...": asks for name, author and description and makes
// the source; null when cancelled.
DataSource* NewMateriaMedica(QWidget* parent);

// "Open Materia Medica...": a file chosen and added (OpenShared); a file that
// is refused says why.  Null when cancelled or refused.
DataSource* OpenMateriaMedica(QWidget* parent);

// Save: to the file the source came from, or as Save As when it has none.
// Save As: to a file chosen in the save dialog (in UserMateriaMedicaFolder()
// first).  A failed write says why and keeps everything.  True when written.
bool SaveMateriaMedica(QWidget* parent, DataSource& source);
bool SaveMateriaMedicaAs(QWidget* parent, DataSource& source);

// "Edit autor info": the dialog on the source's name, author and description.
// True when they changed.
bool EditAuthorInfo(QWidget* parent, DataSource& source);

// When a user materia medica holds unsaved changes: asks (Yes/No/Cancel) as
// a modified case does.  Yes saves them all (false when one is not written),
// No throws the changes away, Cancel answers false.  True without changes.
bool ConfirmUnsavedMateriaMedicas(QWidget* parent = nullptr);

}  // namespace materia
