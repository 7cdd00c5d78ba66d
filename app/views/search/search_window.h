// The search window: its document template, its command and the entry point
// that brings it up.
//
//   template  "CSearchMultiDocTemplate" in slot 5 (kSearchSlot)
//   command   ID_SEARCH: OpenSearchWindow
//
// Everything runs on the user-interface thread.
#pragma once

class CDocument;
class CWindowHost;

// Adds the search template to the host's documents and binds ID_SEARCH.
// Called once at start-up.
void RegisterSearchWindow(CWindowHost& host);

// Activates the open search document named "Search", or opens a new search
// document with that name (CWindowHost::Current()).  Returns it; null without a host
// or when the window cannot be opened.
CDocument* OpenSearchWindow();
