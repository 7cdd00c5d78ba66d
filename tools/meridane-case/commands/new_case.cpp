// new CASE.hom [--patient NAME]: a new case with its default card and first
// episode; an existing file is not replaced.
#include <sys/stat.h>

#include "case_access.h"
#include "command.h"
#include "console.h"
#include "model/records/case.h"

namespace meridane_case {

int RunNew(const Invocation& invocation) {
    const std::string& path = invocation.arguments[0];
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0) return Fail(path + " already exists");
    CCase theCase;
    if (const std::string* patient = invocation.Option("--patient")) {
        if (!ToCaseText(*patient, "the patient's name", &theCase.GetPatientInfo().m_name))
            return kExitFailure;
    }
    return WriteCase(theCase, path) ? kExitOk : kExitFailure;
}

}  // namespace meridane_case
