// Where the consultation test runs: a scratch installation made before the
// engine exists.  The program directory holds the program's configuration
// and language files with the remedy catalogue; the data is either Kent's
// repertory and Boericke's materia medica (when ../shared/data is there),
// compiled into the user data folder ($MERIDANE_DATA) as a practitioner adds
// them, or the demo data of the build in the program directory.  The
// profile, configuration and runtime folders are scratch folders too.
// MERIDANE_WORKFLOW_DEMO=1 chooses the demo data whatever is there.
//
// The program binds the engine during static initialisation, and the engine
// reads the remedy catalogue of the program directory when it is built, so
// the environment must exist before the program starts: EnterScratchRun
// prepares it, runs the test program again inside it and removes it when
// that run has ended.
#pragma once

#include <QString>
#include <string>

namespace workflow {

// In the first run: makes the scratch folder, copies the program directory's
// files into it, points MERIDANE_HOME, MERIDANE_DATA and the XDG folders at it,
// runs the program again with the same arguments, removes the folder and
// ends with the run's exit status (it does not return).  In the run started
// so: returns.
void EnterScratchRun(char** argv);

// True when Kent's repertory (and Boericke's materia medica) is used.
bool UsesSharedData();

// Compiles the shared data into the user data folder, before the engine
// discovers its sources; true at once with the demo data.  `why` says what
// failed.
bool CompileSharedData(std::string* why);

// `name` inside the scratch folder.
QString ScratchPath(const QString& name);

// The data set's names, as the windows show them.
struct DataSet {
    QString repertoryEntry;     // the repertory's entry in the "Repertories" menu
    std::string repertoryName;  // its source name ("REP_KENT")
};
DataSet CurrentDataSet();

}  // namespace workflow
