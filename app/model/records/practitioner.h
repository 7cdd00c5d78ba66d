// CPractitioner: who made an episode, a prescription or an analysis.  The
// details follow the practitioner from item to item and from run to run
// through practitioner.txt in the program directory: every record reads its
// initial values from the file when it is made and writes its values back
// when it is destroyed, so the file holds the record destroyed last.  An
// installed program's directory is read-only: then the file lives in the
// user configuration folder, started from the program directory's copy.
#pragma once

#include <string>

#include "model/meta/layout_fwd.h"

class CPractitioner {
public:
    struct Layout;
    // Name, Title, Address, Phone, Other; a missing node loads the localised
    // "Unknown" (Name) or "none" (the others), computed when the layout is built.
    static ClassLayout<CPractitioner>& GetLayout();

    // Root name of practitioner.txt.
    static constexpr const char* kRootName = "Practitioner";

    // All five members "none", then practitioner.txt is loaded over them.  A
    // missing, empty or unparsable file leaves "none"; a file without some
    // attribute gives that member its layout default.
    CPractitioner();
    // Copies the values; the copy does not read the file (its destruction
    // writes it, as every practitioner's does).
    CPractitioner(const CPractitioner&) = default;
    CPractitioner& operator=(const CPractitioner&) = default;
    // Writes the values to practitioner.txt (atomically; skipped when the file
    // already holds exactly this text).  A failure is ignored.
    ~CPractitioner();

    // Where the record is written: practitioner.txt in the program directory
    // ($MERIDANE_HOME or the executable's folder) while it is writable, else
    // in the user configuration folder.  A record is read from there too,
    // or from the program directory while that file does not exist yet.
    static std::string FilePath();

    std::string m_name = "none";
    std::string m_title = "none";
    std::string m_address = "none";
    std::string m_phone = "none";
    std::string m_other = "none";
};
