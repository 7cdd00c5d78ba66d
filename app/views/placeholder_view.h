// The view of a window whose real view is still to come (and of the case
// template, whose documents show nothing): a plain, empty note filling the
// frame.  The window folders use it until their views land.
#pragma once

#include <memory>

class CChildFrame;
class CDocTemplate;
class CDocument;
class QWidget;

namespace views {

// A CDocTemplate::ViewFactory: an empty note inside `frame`.
QWidget* MakePlaceholderView(CDocument& document, CChildFrame& frame);

// A template named `className` of plain documents shown by the note.
std::unique_ptr<CDocTemplate> MakePlaceholderTemplate(const char* className);

}  // namespace views
