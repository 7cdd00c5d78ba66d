// Repertories: trees of rubrics, each with its graded remedies.
#pragma once

#include <cstdint>

#include "corvela/data_source.h"

// One rubric.  Text and remedy entries are read in place from the mapped file;
// pointers stay valid while the repertory is loaded.
class Topic : public DataItem {
public:
    // GetKind 1; GetParent the parent rubric (null for the root);
    // GetId pre-order number | (source position << 22).
    virtual const char* GetText() = 0;                        // slot 4
    virtual int GetRemedyCount() = 0;                         // 5
    virtual int GetRemedy(int entry) = 0;                     // 6: catalogue number; -1 out of range
    virtual int GetGrade(int entry) = 0;                      // 7: 0..255; -1 out of range
    virtual int GetChildCount() = 0;                          // 8
    virtual Topic* GetChild(int position) = 0;                // 9: position below the count (null otherwise)

protected:
    ~Topic() override = default;
};

class Repertory : public DataSource {
public:
    virtual Topic* GetRoot() = 0;                             // slot 18
    // By item identifier or pre-order number (the top 10 bits are ignored);
    // null when not below the number of rubrics.
    virtual Topic* GetTopic(std::uint32_t id) = 0;            // 19

protected:
    ~Repertory() override = default;
};

// What RepertoryBuilder::Begin is given; the pointers must stay valid until Save returns.
struct RepertoryDescription {
    const char* id;      // the identifier text, "%08X-%04X-..."
    const char* text1;   // the name
    const char* text2;
    const char* text3;
    const char* text4;
    const char* text5;
    std::uint32_t flags;
};

// The repertory compiler (one instance, owned by the facade).
// Calling order: Begin; depth-first AddTopic, AddRemedy..., children, CloseTopic; Save.
class RepertoryBuilder {
protected:
    virtual ~RepertoryBuilder() = default;

public:
    virtual void Begin(const RepertoryDescription* description) = 0;
    virtual void End() = 0;                                   // does nothing
    // Opens a new rubric as the last child of the open one (or as the root);
    // returns the number of rubrics added before it.
    virtual int AddTopic(const char* text) = 0;
    virtual void CloseTopic() = 0;
    // Adds a remedy (by any catalogue name, any case) to the open rubric and
    // returns its number; -1 when no rubric is open or the name is unknown (the
    // name then joins the unknown-name list once).
    virtual int AddRemedy(const char* name, int grade) = 0;
    // Writes the .rpb and its .idx (temporary files renamed into place).
    // 0 when there is no root, a file cannot be written, or the tree does not
    // fit the format; GetSaveError then says why and which rubric or word.
    virtual int Save(const char* path) = 0;
    // The names AddRemedy did not find, each once, in order of first
    // occurrence; the list is kept across compilations.  A name stays valid
    // as long as the engine; null when position is not below the count.
    virtual int GetUnknownRemedyCount() = 0;
    virtual const char* GetUnknownRemedy(int position) = 0;
    // Why the last Save failed; empty after a success or a Begin.  Valid until
    // the next Begin or Save.
    virtual const char* GetSaveError() = 0;
};
