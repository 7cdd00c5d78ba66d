// Items and data sources: the two abstract bases every engine object derives
// from.  The order of the virtual operations is part of the binary interface.
#pragma once

#include <cstdint>

#include "corvela/guid.h"

class Index;

// Every engine interface keeps its destructor protected, in its place in the
// virtual table, so that a caller cannot delete an engine object.  Data
// sources are destroyed by the engine's own deleter.
struct EngineDeleter;

// Item identifier: the top 10 bits hold the position of the item's source in the
// engine's source list, the low 22 bits the item's number inside the source (a
// rubric's pre-order number with the root 0, an article's table position).
// Valid only while the program runs.
inline constexpr std::uint32_t kItemNumberMask = 0x3FFFFF;
inline constexpr int kItemPositionShift = 22;
inline constexpr std::uint32_t MakeItemId(unsigned position, std::uint32_t number) {
    return (static_cast<std::uint32_t>(position) << kItemPositionShift) | (number & kItemNumberMask);
}
inline constexpr unsigned ItemPosition(std::uint32_t id) { return id >> kItemPositionShift; }
inline constexpr std::uint32_t ItemNumber(std::uint32_t id) { return id & kItemNumberMask; }

// Kinds answered by DataItem::GetKind.
enum ItemKind { kItemTopic = 1, kItemArticle = 2 };
// Types answered by DataSource::GetType.
enum SourceType { kSourceRepertory = 1, kSourceMateriaMedica = 2, kSourceUserArticles = 3 };

// Base of rubrics (Topic), articles (Article) and remedies (Remedy).
// Items belong to the engine; callers never delete them.
class DataItem {
protected:
    virtual ~DataItem() = default;

public:
    // 1 for a rubric; 2 for an article and also for a remedy.
    virtual int GetKind() = 0;
    // A rubric's parent (null for the root); null for articles and remedies.
    virtual DataItem* GetParent() = 0;
    // The item identifier above; for a remedy its catalogue number.
    virtual std::uint32_t GetId() = 0;
};

// Base of repertories, materia medicas and user article collections.  Sources
// belong to the engine; they live until Corvela::CloseAll or library unload.
// Every string returned points into engine memory (usually the mapped file) and
// stays valid while the source is loaded.
class DataSource {
protected:
    friend struct EngineDeleter;
    virtual ~DataSource() = default;                          // slot 0

public:
    virtual int GetType() = 0;                                // 1: SourceType
    virtual const Guid* GetGuid() = 0;                        // 2: never null
    virtual int GetPosition() = 0;                            // 3: -1 until set
    virtual const char* GetName() = 0;                        // 4: header text 1
    virtual const char* GetText2() = 0;                       // 5
    virtual const char* GetText5() = 0;                       // 6 (text 5 sits here)
    virtual const char* GetText3() = 0;                       // 7
    virtual const char* GetText4() = 0;                       // 8
    virtual std::uint32_t GetFlags() = 0;                     // 9: the header's flags word
    virtual bool IsEnabled() = 0;                             // 10: the search skips disabled sources
    virtual void SetEnabled(bool enabled) = 0;                // 11: no effect in this library
    virtual bool Open(const char* path) = 0;                  // 12: maps the file, builds the items
    virtual bool Save(const char* path) = 0;                  // 13: false unless a user source
    virtual const char* GetFilePath() = 0;                    // 14: the path opened or saved
    virtual bool IsNew() = 0;                                 // 15: a user source without a file behind it
    virtual DataItem* GetItem(std::uint32_t id) = 0;          // 16: by the low 22 bits; null out of range
    virtual Index* GetWordIndex() = 0;                        // 17: may be null (new user sources)
};
