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

// The folder of Kent's repertory source (../shared/data); empty when absent.
std::string SharedDataDir();

}  // namespace views_test
