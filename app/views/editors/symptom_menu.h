// Adding selected text of a case editor as a symptom: the popup menu offered
// for a selection of more than 3 characters and what its entries do.  The
// menu is built and its choice applied separately, so that the code between
// (QMenu::exec, which blocks) can be replaced.  Its entries are those of the
// "Add to" menus (views/add_to/menu_targets.h): a new symptom of an analysis,
// or a new analysis.
#pragma once

#include <QString>
#include <string>

class CCase;
class QAction;
class QMenu;

namespace editors {

// Selections of this many characters or fewer only beep.
inline constexpr int kShortestSymptomText = 4;

// `selected` (QTextCursor::selectedText) as record text: paragraph and line
// separators as line feeds, in code page 1251.
std::string SelectionToRecordText(const QString& selected);

// Fills `menu` for `theCase`: one entry per analysis, from the last item of
// the chain back to the first, labelled "{Add the symptom to:} [%s] %s"
// (localised, with the analysis's time and name); a separator when at least
// one analysis is listed; then "Add to a New Analysis" (localised).
void FillSymptomMenu(QMenu& menu, CCase& theCase);

// Applies the entry `chosen` of a menu that FillSymptomMenu filled for
// `theCase`; `text` is the selection as record text.  An analysis entry
// appends a symptom named `text` (carriage returns removed, line feeds as
// blanks) to that analysis; the last entry adds a new analysis whose first
// symptom is named `text` unchanged.  Then the case is marked modified
// (EV_CASE_MODIFIED) and EV_UPDATE_ANALYSIS is broadcast.  Null (the menu was
// cancelled), a separator, or an analysis that is no longer in the case
// changes nothing.  True when the case changed.
bool ApplySymptomMenuChoice(const QAction* chosen, CCase& theCase, const std::string& text);

}  // namespace editors
