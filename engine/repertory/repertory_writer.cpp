#include "repertory/repertory_writer.h"

#include <map>

#include "coding/byte_writer.h"
#include "repertory/repertory_format.h"

namespace {

std::string Describe(std::size_t number, const std::string& text) {
    std::string shown = text.size() <= 60 ? text : text.substr(0, 60) + "...";
    return "rubric " + std::to_string(number) + " \"" + shown + "\"";
}

// The limits of one rubric record; "" when it fits.
std::string CheckRubric(std::size_t number, const CompiledRubric& rubric) {
    const std::uint64_t childTable = rpb::kTextStart + rubric.text.size() + 1 + 2 +
                                     rpb::kRemedyEntrySize * rubric.remedies.size();
    if (childTable > static_cast<std::uint64_t>(rpb::kMaxInt16))
        return Describe(number, rubric.text) + ": its text and " +
               std::to_string(rubric.remedies.size()) + " remedies take " +
               std::to_string(childTable) +
               " bytes; a rubric record holds at most 32,767 bytes before its child table";
    if (rubric.childCount > rpb::kMaxInt16)
        return Describe(number, rubric.text) + ": it has " + std::to_string(rubric.childCount) +
               " children; a rubric holds at most 32,767";
    return {};
}

// Writes one record with zero child offsets; returns where its first child
// offset goes.
std::size_t WriteRecord(ByteWriter& w, const CompiledRubric& rubric) {
    const std::size_t start = w.Position();
    w.PutBytes(rpb::kRecordMark, sizeof rpb::kRecordMark);
    w.PutU16(0);  // child table offset, patched below
    w.PutCountedString(rubric.text);
    w.PutU16(static_cast<std::uint16_t>(rubric.remedies.size()));
    for (std::size_t i = 0; i < rubric.remedies.size(); ++i) {
        w.PutU32(static_cast<std::uint32_t>(rubric.remedies[i]));
        w.PutU8(static_cast<std::uint8_t>(rubric.grades[i] & 0xFF));
    }
    w.PatchU16(start + rpb::kChildTableOffsetField,
               static_cast<std::uint16_t>(w.Position() - start));
    w.PutU16(static_cast<std::uint16_t>(rubric.childCount));
    const std::size_t childOffsets = w.Position();
    for (std::int32_t i = 0; i < rubric.childCount; ++i)
        w.PutU32(0);  // patched as each child is written
    return childOffsets;
}

}  // namespace

bool WriteRepertoryImage(const RepertoryDescription& description,
                         const std::vector<CompiledRubric>& rubrics, std::vector<std::uint8_t>* out,
                         std::string* error) {
    out->clear();
    if (rubrics.size() > rpb::kMaxRubrics) {
        *error = "the repertory has " + std::to_string(rubrics.size()) +
                 " rubrics; item numbers reach 4,194,304 at most";
        return false;
    }
    for (std::size_t i = 0; i < rubrics.size(); ++i) {
        std::string problem = CheckRubric(i, rubrics[i]);
        if (!problem.empty()) {
            *error = problem;
            return false;
        }
    }

    ByteWriter w;
    w.PutBytes(rpb::kMagic, sizeof rpb::kMagic);
    w.PutU32(rpb::kVersion);
    w.PutU32(0);  // file size
    w.PutU32(description.flags);
    w.PutU32(0);  // root offset
    w.PutU32(0);  // remedy table offset
    for (int i = 0; i < rpb::kHeaderStringCount; ++i) w.PutU16(0);

    const char* strings[rpb::kHeaderStringCount] = {description.id,    description.text1,
                                                    description.text2, description.text3,
                                                    description.text4, description.text5};
    for (int i = 0; i < rpb::kHeaderStringCount; ++i) {
        std::string text = strings[i] != nullptr ? strings[i] : "";
        const char* name = i == 0 ? "the identifier text" : nullptr;
        std::string label = name != nullptr ? name : "header text " + std::to_string(i);
        if (w.Position() > static_cast<std::size_t>(rpb::kMaxInt16)) {
            *error = label + " would start at offset " + std::to_string(w.Position()) +
                     "; header texts must start below 32,768";
            return false;
        }
        if (text.size() + 1 > 0xFFFF) {
            *error = label + " is " + std::to_string(text.size()) +
                     " bytes long; a header text holds at most 65,534 bytes";
            return false;
        }
        w.PatchU16(rpb::kStringOffsetsOffset + 2 * static_cast<std::size_t>(i),
                   static_cast<std::uint16_t>(w.Position()));
        w.PutCountedString(text);
    }

    // Remedy table: each remedy with the rubrics that list it, in pre-order.
    std::map<std::uint32_t, std::vector<std::uint32_t>> table;
    for (std::size_t i = 0; i < rubrics.size(); ++i)
        for (std::int32_t remedy : rubrics[i].remedies)
            table[static_cast<std::uint32_t>(remedy)].push_back(static_cast<std::uint32_t>(i));
    w.PatchU32(rpb::kRemedyTableOffsetOffset, static_cast<std::uint32_t>(w.Position()));
    w.PutU32(static_cast<std::uint32_t>(table.size()));
    const std::size_t pairs = w.Position();
    for (const auto& entry : table) {
        w.PutU32(entry.first);
        w.PutU32(0);  // list offset
    }
    std::size_t slot = pairs + 4;
    for (const auto& entry : table) {
        w.PatchU32(slot, static_cast<std::uint32_t>(w.Position()));
        slot += 8;
        w.PutU32(static_cast<std::uint32_t>(entry.second.size()));
        for (std::uint32_t number : entry.second) w.PutU32(number);
    }

    // Rubric records in pre-order; each child's offset is patched into its
    // parent's child table as the child is written.
    w.PatchU32(rpb::kRootOffsetOffset, static_cast<std::uint32_t>(w.Position()));
    std::vector<std::size_t> starts(rubrics.size());
    std::vector<std::size_t> childOffsets(rubrics.size());
    for (std::size_t i = 0; i < rubrics.size(); ++i) {
        const CompiledRubric& rubric = rubrics[i];
        starts[i] = w.Position();
        if (rubric.parent >= 0) {
            const auto parent = static_cast<std::size_t>(rubric.parent);
            w.PatchU32(childOffsets[parent] +
                           rpb::kChildOffsetSize * static_cast<std::size_t>(rubric.siblingIndex),
                       static_cast<std::uint32_t>(starts[i] - starts[parent]));
        }
        childOffsets[i] = WriteRecord(w, rubric);
    }

    if (w.Position() > 0xFFFFFFFFull) {
        *error = "the repertory file would be " + std::to_string(w.Position()) +
                 " bytes long; its offsets reach 4 GiB at most";
        return false;
    }
    w.PatchU32(rpb::kFileSizeOffset, static_cast<std::uint32_t>(w.Position()));
    *out = w.Release();
    return true;
}
