// The entries of the menus that put something into an analysis of the case
// (the "Add to" menu, the editors' add-selection-as-symptom menu): each entry
// carries where it leads, and a chosen entry is checked against the case
// before it is used, since the case may have changed while the menu was open.
#pragma once

#include <QMetaType>
#include <QString>
#include <cstdint>

class CAnalysis;
class CCase;
class CSympthom;
class QAction;
class QMenu;

namespace add_to {

// Where a menu entry leads.
struct CMenuTarget {
    enum class Kind {
        kNone,         // no target (a separator, a note, a stale entry)
        kSymptom,      // into m_symptom of m_analysis
        kNewSymptom,   // into a new symptom at the end of m_analysis
        kNewAnalysis,  // into a new analysis of the case
        kCommand,      // runs the command m_command
    };

    static CMenuTarget Symptom(CAnalysis& analysis, CSympthom& symptom);
    static CMenuTarget NewSymptom(CAnalysis& analysis);
    static CMenuTarget NewAnalysis();
    static CMenuTarget Command(int id);

    Kind m_kind = Kind::kNone;
    CAnalysis* m_analysis = nullptr;
    CSympthom* m_symptom = nullptr;
    std::uint64_t m_symptomSerial = 0;  // CSympthom::GetSerial of m_symptom
    int m_command = 0;
};

// Appends an entry labelled `label` (shown as it stands: the filter that
// translates menus leaves it alone) leading to `target`; returns it.
QAction* AddTargetEntry(QMenu& menu, const QString& label, const CMenuTarget& target);

// The target `action` leads to, checked against `theCase`: kNone when the
// action is null or carries none, or when the analysis or symptom it names is
// no longer in `theCase` (or there is no case).  Commands need no case.
CMenuTarget ResolveTarget(const QAction* action, CCase* theCase);

}  // namespace add_to

Q_DECLARE_METATYPE(add_to::CMenuTarget)
