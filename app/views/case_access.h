// How the windows reach the open case: through the installed CCaseHost.
// The records a window writes into are checked against the current case
// before every write, so a window that outlives its record (the item was
// removed, the case replaced) writes nothing.
//
// Everything runs on the user-interface thread.
#pragma once

class CAnalysis;
class CCase;
class COneItem;
class CPatientInfo;
class CPractitioner;
class CSympthom;

namespace views {

// The host's current case; null without a host or without an open case.
CCase* CurrentCase();

// Sets the case's modified flag and broadcasts EV_CASE_MODIFIED through the
// host; without a host only the broadcast goes out.
void MarkCaseModified();

// The item of `theCase`'s chain whose address is `pointer`; null when the
// pointer is no item of that chain (null included).
COneItem* FindItem(CCase& theCase, const void* pointer);

// FindItem narrowed to `T` (CEpisode, CPrescription, CAnalysis); null when
// the item is of another class.
template <class T>
T* FindItemAs(CCase& theCase, const void* pointer) {
    return dynamic_cast<T*>(FindItem(theCase, pointer));
}

// The analysis of `theCase` whose symptom chain holds `symptom`; null when
// no analysis of the case does (null included).
CAnalysis* FindAnalysisOf(CCase& theCase, const CSympthom* symptom);

// The practitioner record of `item` (episodes, prescriptions and analyses
// have one); null for any other item.
CPractitioner* PractitionerOf(COneItem& item);

// The practitioner of `theCase` that `pointer` names: the address of an
// item's practitioner record, or of an item that has one.  A null pointer
// gives the practitioner of the last item of the chain that has one.  Null
// when nothing matches.
CPractitioner* FindPractitioner(CCase& theCase, const void* pointer);

// True while `card` is the card of the current case, `item` an item of its
// chain, `practitioner` the record of one of its items.
bool IsCurrentCard(const CPatientInfo* card);
bool IsCurrentItem(const COneItem* item);
bool IsCurrentPractitioner(const CPractitioner* practitioner);

}  // namespace views
