// The materia medica window's part of the program's screenshot run:
//   materia_medica.png         a demo article with its remedy information
//   materia_medica_search.png  a search in progress, its words marked
//   materia_medica_boericke.png  Boericke's Aconitum, when Boericke is loaded
//                              (the run on the real data)
// The window is opened maximised over the MDI area, pictured through `save`
// (which saves the main window under the name given and answers whether it
// could) and closed again.  False when a picture could not be saved.
#pragma once

#include <functional>

namespace materia {

bool TakeMateriaMedicaPictures(const std::function<bool(const char* name)>& save);

}  // namespace materia
