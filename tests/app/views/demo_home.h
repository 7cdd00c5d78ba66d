// A program directory for the window tests: a scratch folder holding the
// compiled demo data of this build (repertories, materia medicas, their
// indexes, the remedy catalogue, meridane.ini, russian.lng), with
// MERIDANE_HOME pointing at it.  Must run before the engine's first use.
#pragma once

#include <corvela.h>

#include <string>

namespace views_test {

// Makes the folder once per process (removed at exit); returns its path.
const std::string& UseDemoHome();

// The identifiers of the two demo repertories and the demo materia medica.
Guid DemoEnglishRepertory();  // REP_DEMO, "RepertoryHalden"
Guid DemoRussianRepertory();  // REP_DEMO_RU, "RepertoryOrre"
Guid DemoMateriaMedica();     // "DefMateriaMedica"

// Writes the browser's test repertory REP_BROWSER_TEST (BrowserTestRepertory)
// into the demo home; call after UseDemoHome, before the engine's sources
// are first used.  Its tree, as "text  remedy:grade ...":
//
//   rep_browser_test
//     Mind
//       Anxiety   acon:4 ars:3 calc:2 lyc:1 phos:2 puls:2 arg-n:2 sep:1
//                 nux-v:1 bry:1 gels:3 ign:1
//         morning   acon:1 lach:2
//         evening   calc:2
//           bed, in   ars:2
//         night     ars:4
//       Fear      acon:3
//     Head
//       Pain      bell:3
//         forehead
//           right
//             morning
//               waking, on   nux-v:2
//     Sleep            (no remedies, no children)
bool WriteBrowserTestRepertory();
Guid BrowserTestRepertory();

// The folder of Kent's repertory source (../shared/data); empty when absent.
std::string SharedDataDir();

}  // namespace views_test
