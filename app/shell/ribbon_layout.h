// The program's commands and the ribbon built from them: the application
// menu "File", the categories "Patient" and "Info" with their panels, the
// quick-access commands and the "About" button on the tab row.  Captions are
// registered translated (LocalizeString); the trailing blanks of some
// captions are part of them.
#pragma once

class CCommandRegistry;
class CRibbonBar;

// Registers every command of the ribbon, the application menu and the status
// bar with its localised caption, tooltip and icon (QGuiApplication must exist).
void RegisterCommands(CCommandRegistry& commands);

// Fills `ribbon` (whose registry holds the registered commands).
void BuildRibbon(CRibbonBar& ribbon);
