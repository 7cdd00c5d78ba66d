// The user's own materia medicas (and the user article collection) as the
// program keeps them: creating one, adding a shared file, editing articles
// and author info, saving, and which ones hold changes that are not saved.
//
// The engine keeps every source it ever appended until it closes, so what a
// failed or refused action leaves behind is kept out of sight here instead:
//   - a spare: an empty user materia medica that a failed open left, or a
//     new one whose changes were discarded; the next "New Materia Medica"
//     or open takes it again;
//   - a withdrawn source: a shared file refused after it was read (its
//     identifier is another loaded source's, or it is an article
//     collection), emptied so that it has no articles, no index and no
//     entries in the remedy-to-source table.
// Hidden sources are left out of the author list (IsHidden).
//
// Sources are kept by address: they live until the engine's CloseAll, after
// which Forget() must be called (tests and benchmarks do).
//
// Everything runs on the user-interface thread.
#pragma once

#include <string>
#include <vector>

#include "corvela/guid.h"

class DataSource;

namespace materia {

// The fixed identifier of the user article collection the author list's
// last entry opens.
inline constexpr const char* kUserArticleIdText = "3BBAE799-F8A7-4559-9DC8-C4E82427B85F";
Guid UserArticleId();

// The folder new user materia medicas are proposed to be saved in.
std::string UserMateriaMedicaFolder();

// Name, author and description: texts 1, 3 and 5 (code page 1251).
struct CAuthorInfo {
    std::string m_name;
    std::string m_author;
    std::string m_description;

    bool operator==(const CAuthorInfo&) const = default;
};

class CUserMateriaMedicas {
public:
    static CUserMateriaMedicas& Get();

    // Forgets every source (after the engine's CloseAll).
    void Forget();

    bool IsHidden(const DataSource* source) const;
    // True while `source` holds changes made since it was created, opened or
    // saved.
    bool IsModified(const DataSource* source) const;
    // The visible sources with unsaved changes, in facade order.
    std::vector<DataSource*> ModifiedSources() const;

    // A new user materia medica (flags 2) with `info`, marked modified (it
    // exists in no file yet).  Null when the engine has no room.
    DataSource* Create(const CAuthorInfo& info);

    // Adds the materia medica file at `path` as a user materia medica.  Null
    // when it cannot be loaded, when it is a user article collection, or when
    // its identifier is already a loaded source's; `why` then says so
    // (English, for Localize).  Nothing visible changes then.
    DataSource* OpenShared(const std::string& path, std::string* why, std::string* detail);

    // The user article collection with the fixed identifier; made (empty,
    // named "User's article") when `create` and there is none.
    DataSource* UserArticleCollection(bool create);

    CAuthorInfo Info(DataSource* source) const;
    // Replaces name, author and description; marks the source modified when
    // they changed.
    void SetInfo(DataSource& source, const CAuthorInfo& info);

    // Writes the article of `remedy` in the user source `source`: its rich
    // text and the plain text derived from it (code page 1251).  An article
    // is made when there is none and deleted when `plain` is empty or only
    // white space (a collection keeps its one article, emptied).  Marks the
    // source modified.  True when an article came or went.
    bool WriteArticle(DataSource& source, int remedy, const std::string& rich,
                      const std::string& plain);

    // Writes `source` to `path` through the engine (atomically).  On failure
    // `why` holds the engine's reason, the source keeps its changes (and
    // stays modified) and the file at `path` is untouched.
    bool Save(DataSource& source, const std::string& path, std::string* why);

    // Throws the unsaved changes of `source` away: a source with a file reads
    // it again; one that never had a file is emptied and kept as a spare.
    void Discard(DataSource& source);

private:
    void MarkModified(DataSource* source);
    void Unmark(DataSource* source);
    DataSource* TakeSpare();
    void Withdraw(DataSource* source);

    std::vector<DataSource*> m_modified;
    std::vector<DataSource*> m_spares;
    std::vector<DataSource*> m_withdrawn;
};

}  // namespace materia
