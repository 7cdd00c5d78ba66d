// The analysis window's part of the screenshot run: the first analysis of the
// open case in its window, maximised, on the "Symptoms " page
// ("analysis_symptoms.png") and on the "Table " page ("analysis_table.png")
// (or the names given).
#pragma once

#include <functional>

class CMeridaneApp;
class QWidget;

// Saves `window` as the picture `name`; false when it cannot.
using SavePicture = std::function<bool(QWidget& window, const char* name)>;

// False when the case has no analysis, its window does not open or a picture
// cannot be saved.
bool TakeAnalysisPictures(CMeridaneApp& app, const SavePicture& save,
                          const char* symptoms = "analysis_symptoms.png",
                          const char* table = "analysis_table.png");
