// The repertory browser's window: its document template and the entry points
// the other windows call to show a rubric.
//
//   template  "CRepertoryMultiDocTemplate" in slot 2 (kRepertorySlot)
//   commands  ID_OPEN_REPERTORY_ORRESTAD  the repertory configured under
//                                         "RepertoryOrre", no rubric selected
//             ID_OPEN_REPERTORY_HALDEN    the one under "RepertoryHalden"
//             (the identifier is read from meridane.ini at each use)
//
// A repertory document is titled with its source's name (GetSourceTitle) and
// found again by that title, so a second request for the same source brings
// the open window forward.
//
// Everything runs on the user-interface thread.
#pragma once

#include <cstdint>
#include <string>

#include "corvela/guid.h"

class CDocument;
class CWindowHost;

// Adds the repertory template to the host's documents and binds the two
// repertory commands.  Called once at start-up.
void RegisterRepertoryWindow(CWindowHost& host);

// Opens, or brings forward, the repertory document of the data source
// `source` (CWindowHost::Current()), showing the wait cursor meanwhile:
//   1. its title is GetSourceTitle(source);
//   2. an open repertory document with that title (case-sensitive) has all
//      its frames activated;
//   3. otherwise a new repertory document with that title opens;
//   4. when `rubric` (an item identifier) is not negative, the repertory view
//      expands the path to that rubric and selects it; -1 selects nothing.
// A source the engine does not know gives the document "Unknown Autor",
// whose view stays empty.  Returns the document; null without a host or when
// the window cannot be opened.
CDocument* OpenRepertoryDocument(const Guid& source, std::int32_t rubric);

// The GetName text (code page 1251) of the data source the engine finds for
// `source` (FindDataSource), or "Unknown Autor" when it finds none.
std::string GetSourceTitle(const Guid& source);
