// The codes broadcast on the event bus (event_client.h): who sends each and
// who listens.  Views never call each other to refresh; they react to these.
#pragma once

// The ranking of an analysis was recalculated.
//   Sent by:   the ranking (analysis/ranking.h, Calculate), every time it has
//              recalculated and sorted the remedies of an analysis; it is
//              called by the ranking view of the analysis window (and by the
//              meridane-case tool and the benchmarks, where nobody listens).
//   Heard by:  the grid of the analysis table, which rebuilds its grade matrix.
inline constexpr unsigned EV_UPDATE_TABLE = 0x8006;

// An analysis, or the layout of an analysis window, changed.
//   Sent by:   every operation that changes an analysis (adding or removing
//              rubrics and symptoms, weights, sort type, hiding rubrics): the
//              analysis window, the "Add to" menu (after every choice, also
//              when a rubric was refused), the editors' symptom menu.
//   Heard by:  all analysis views (ranking table, symptom composition) and the
//              case view.
inline constexpr unsigned EV_UPDATE_ANALYSIS = 0x80FE;

// Materia medica content changed, or the materia medica window moved.
//   Sent by:   the remedy index, the remedy selector, the author list and the
//              open-remedy operation right after they navigate; the article
//              view when an article of the user's own came or went; the
//              commands on the user's materia medicas after they changed one.
//   Heard by:  the materia medica views (the author list rebuilds, the index
//              marks again, the title follows the unsaved state).
inline constexpr unsigned EV_UPDATE_MATERIA_MEDICA = 0x8100;

// The current case was changed; the program-wide modified flag is set.
//   Sent by:   every operation that changes the current case (items, patient
//              card, practitioner, analyses).
//   Heard by:  the main frame (its title) and the case view.
inline constexpr unsigned EV_CASE_MODIFIED = 0x8101;
