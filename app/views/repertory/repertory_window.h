// The repertory browser's window: its document template and the entry points
// the other windows call to show a rubric.
//
//   template  "CRepertoryMultiDocTemplate" in slot 2 (kRepertorySlot):
//             CRepertoryDoc shown by CRepertoryPadView
//   commands  ID_OPEN_REPERTORY_ORRESTAD  the repertory configured under
//                                         "RepertoryOrre", no rubric selected
//             ID_OPEN_REPERTORY_HALDEN    the one under "RepertoryHalden"
//             (the identifier is read from meridane.ini at each use)
//             ID_OPEN_REPERTORY_LIST      the "Repertories" menu at the mouse
//
// A repertory document is named after its source (GetSourceTitle) and found
// again by that name, so a second request for the same source brings the
// open window forward.
//
// Everything runs on the user-interface thread.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "corvela/guid.h"

class CDocTemplate;
class CDocument;
class CWindowHost;
class QMenu;

// Adds the repertory template to the host's documents and binds the
// repertory commands.  Called once at start-up.
void RegisterRepertoryWindow(CWindowHost& host);

// The repertory template (CRepertoryDoc, CRepertoryPadView).
std::unique_ptr<CDocTemplate> MakeRepertoryTemplate();

// Opens, or brings forward, the repertory document of the data source
// `source` (CWindowHost::Current()), showing the wait cursor meanwhile:
//   1. its name is GetSourceTitle(source);
//   2. an open repertory document of that name (case-sensitive) has all its
//      frames activated;
//   3. otherwise a new repertory document of that name opens;
//   4. when `rubric` (an item identifier) is not negative, the repertory view
//      expands the path to that rubric and selects it; -1 selects nothing.
// A source the engine does not know gives the document "Unknown Autor",
// whose view stays empty.  Returns the document; null without a host or when
// the window cannot be opened.
CDocument* OpenRepertoryDocument(const Guid& source, std::int32_t rubric);

// The GetName text (code page 1251) of the data source the engine finds for
// `source` (FindDataSource), or "Unknown Autor" when it finds none.
std::string GetSourceTitle(const Guid& source);

// Fills `menu` with one entry per loaded repertory (data sources of type 1,
// in the engine's order), labelled with its text 3 (its name when text 3 is
// empty or shared with another), each opening it (OpenRepertoryDocument).
// A single greyed "No repertories are loaded" when there is none.
void FillRepertoriesMenu(QMenu& menu);

// Opens, or brings forward, the repertory document of `source` (as
// OpenRepertoryDocument with no rubric) and runs `query` (the query
// language, code page 1251, for instance "@acon") in its search strip, so
// that the browser lists the rubrics it finds.  Returns the document; null
// without a host or when the window cannot be opened.
CDocument* OpenRepertorySearch(const Guid& source, const std::string& query);
