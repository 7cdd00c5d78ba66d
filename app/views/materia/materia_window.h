// The materia medica window: its document template, its command and the
// entry point the other windows call to show a remedy's article.
//
//   template  "CMateriaMedicaMultiDocTemplate" in slot 6 (kMateriaMedicaSlot)
//   command   ID_OPEN_MATERIA_MEDICA: OpenRemedy(kFirstShownRemedy), the
//             materia medica configured under "DefMateriaMedica" (read from
//             meridane.ini at each use)
//
// The window is titled "[%s] %s" with the remedy's short name and the
// materia medica's name.
//
// Everything runs on the user-interface thread.
#pragma once

#include <optional>
#include <string>

#include "corvela/guid.h"

class CDocument;
class CWindowHost;

// The remedy (catalogue number) a newly opened materia medica shows.
inline constexpr int kFirstShownRemedy = 8;

// Adds the materia medica template to the host's documents and binds
// ID_OPEN_MATERIA_MEDICA.  Called once at start-up.
void RegisterMateriaMedicaWindow(CWindowHost& host);

// Shows the article of remedy `remedy` (catalogue number; -1 keeps the
// remedy shown) in the materia medica `materiaMedica` (none: the one
// configured under "DefMateriaMedica", read now) in the open materia medica
// window, brought forward, or in a new one.  A non-empty `highlight`
// starting with '#' gives the words to highlight, '#'-separated.  Returns
// the window's document; null without a host or when the window cannot be
// opened.
CDocument* OpenRemedy(int remedy, const std::optional<Guid>& materiaMedica = std::nullopt,
                      const std::string& highlight = {});
