#include "model/records/practitioner.h"

#include <unistd.h>

#include "base/files/atomic_file.h"
#include "base/files/path_parts.h"
#include "base/files/program_directory.h"
#include "base/files/user_folders.h"
#include "model/core/code_page.h"
#include "model/lang/localize.h"
#include "model/meta/layout.h"
#include "model/storage/object_file.h"

struct CPractitioner::Layout : ClassLayout<CPractitioner> {
    Layout() : ClassLayout("CPractitioner") {
        Value("Name", &CPractitioner::m_name).Default(Localize("Unknown", 1));
        Value("Title", &CPractitioner::m_title).Default(Localize("none", 1));
        Value("Address", &CPractitioner::m_address).Default(Localize("none", 1));
        Value("Phone", &CPractitioner::m_phone).Default(Localize("none", 1));
        Value("Other", &CPractitioner::m_other).Default(Localize("none", 1));
    }
};
MERIDANE_DEFINE_LAYOUT_ACCESSOR(CPractitioner);

namespace {

constexpr const char* kFileName = "practitioner.txt";

std::string InProgramDirectory() {
    return base::JoinPath(base::ProgramDirectory(), kFileName);
}

}  // namespace

std::string CPractitioner::FilePath() {
    if (::access(base::ProgramDirectory().c_str(), W_OK) == 0) return InProgramDirectory();
    const std::string folder = base::UserConfigDirectory();
    return folder.empty() ? InProgramDirectory() : base::JoinPath(folder, kFileName);
}

CPractitioner::CPractitioner() {
    // Until the practitioner has a copy of their own, the program
    // directory's file gives the starting values.
    std::string path = FilePath();
    if (::access(path.c_str(), F_OK) != 0) path = InProgramDirectory();
    // The file is parsed whole before any member is touched; should the load
    // stop later, the record still starts from "none".
    if (LoadObject(nullptr, nullptr, path, *this) != 0) {
        m_name = m_title = m_address = m_phone = m_other = "none";
    }
}

CPractitioner::~CPractitioner() {
    try {
        const std::string text = SaveObjectToText(nullptr, kRootName, *this, kCodePageNone);
        const std::string path = FilePath();
        std::string current;
        // Closing a case destroys one practitioner per item; most of them
        // would write the same text again.
        if (base::ReadWholeFile(path, &current) && current == text) return;
        if (path != InProgramDirectory())
            base::MakeDirectories(base::UserConfigDirectory(), nullptr);
        base::WriteFileAtomically(path, text);
    } catch (...) {
        // Not being able to keep the defaults loses nothing of the case.
    }
}
