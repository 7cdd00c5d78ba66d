// add CASE.hom KIND: appends an item as the program's commands do.
#include "case_access.h"
#include "command.h"
#include "console.h"
#include "model/records/case.h"

namespace meridane_case {
namespace {

struct EpisodeKind {
    const char* kind;
    const char* name;  // stored untranslated, as the program's commands store it
};

constexpr EpisodeKind kEpisodes[] = {{"episode", "New Episode"},
                                     {"check", "Check Prescription"},
                                     {"note", "Note"},
                                     {"phone", "Phone conversation"}};

}  // namespace

int RunAdd(const Invocation& invocation) {
    const std::string& path = invocation.arguments[0];
    const std::string& kind = invocation.arguments[1];
    const char* episodeName = nullptr;
    for (const EpisodeKind& episode : kEpisodes)
        if (kind == episode.kind) episodeName = episode.name;
    if (episodeName == nullptr && kind != "prescription" && kind != "analysis") {
        return UsageError("unknown item kind " + kind +
                              " (episode, check, note, phone, prescription or analysis)",
                          FindCommand("add"));
    }
    std::unique_ptr<CCase> theCase = ReadCase(path);
    if (theCase == nullptr) return kExitFailure;
    std::string out;
    if (episodeName != nullptr) {
        theCase->AddEpisode(episodeName);
    } else if (kind == "prescription") {
        theCase->AddPrescription();
    } else {
        theCase->AddAnalysis();
        out = std::to_string(theCase->GetAnalyses().size() - 1) + "\n";
    }
    if (!WriteCase(*theCase, path)) return kExitFailure;
    return WriteOut(out) ? kExitOk : kExitFailure;
}

}  // namespace meridane_case
