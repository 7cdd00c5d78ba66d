#include "views/materia/user_materia_medicas.h"

#include <corvela.h>

#include <algorithm>
#include <cctype>

#include "base/files/user_folders.h"
#include "model/lang/localize.h"
#include "views/materia/shown_article.h"

namespace materia {
namespace {

constexpr std::uint32_t kPlainFlag = 0x40;
constexpr std::uint32_t kKindMask = 0x3F;
constexpr std::uint32_t kUserMateriaMedicaFlags = 2;
constexpr std::uint32_t kUserArticlesKind = 3;
constexpr const char* kUserArticleName = "User's article";

bool Contains(const std::vector<DataSource*>& list, const DataSource* source) {
    return std::find(list.begin(), list.end(), source) != list.end();
}

void Remove(std::vector<DataSource*>& list, const DataSource* source) {
    list.erase(std::remove(list.begin(), list.end(), source), list.end());
}

bool IsBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; });
}

// Deletes every article of a user materia medica.
void Empty(UserMateriaMedica& book) {
    while (book.GetArticleCount() > 0) {
        const int remedy = book.GetArticle(book.GetArticleCount() - 1)->GetRemedy();
        book.DeleteArticle(remedy);
    }
}

bool IsUserMateriaMedica(DataSource* source) {
    return source != nullptr && source->GetType() == kSourceMateriaMedica && IsUserSource(source);
}

}  // namespace

Guid UserArticleId() {
    Guid id;
    ParseGuid(kUserArticleIdText, &id);
    return id;
}

// New user materia medicas are proposed in the user data folder, where the
// engine finds them again at the next start.
std::string UserMateriaMedicaFolder() {
    return base::UserDataDirectory();
}

CUserMateriaMedicas& CUserMateriaMedicas::Get() {
    static CUserMateriaMedicas instance;
    return instance;
}

void CUserMateriaMedicas::Forget() {
    m_modified.clear();
    m_spares.clear();
    m_withdrawn.clear();
}

bool CUserMateriaMedicas::IsHidden(const DataSource* source) const {
    return Contains(m_spares, source) || Contains(m_withdrawn, source);
}

bool CUserMateriaMedicas::IsModified(const DataSource* source) const {
    return Contains(m_modified, source);
}

std::vector<DataSource*> CUserMateriaMedicas::ModifiedSources() const {
    std::vector<DataSource*> found;
    Corvela& engine = CorvelaInstance();
    for (unsigned i = 0; i < engine.GetDataSourceCount(); ++i) {
        DataSource* source = engine.GetDataSource(i);
        if (IsModified(source) && !IsHidden(source)) found.push_back(source);
    }
    return found;
}

void CUserMateriaMedicas::MarkModified(DataSource* source) {
    if (source != nullptr && !IsModified(source)) m_modified.push_back(source);
}

void CUserMateriaMedicas::Unmark(DataSource* source) {
    Remove(m_modified, source);
}

DataSource* CUserMateriaMedicas::TakeSpare() {
    if (m_spares.empty()) return CorvelaInstance().CreateUserMateriaMedica();
    DataSource* spare = m_spares.back();
    m_spares.pop_back();
    return spare;
}

// Only sources this class made are withdrawn: user materia medicas, whatever
// flags the file read into them carried.
void CUserMateriaMedicas::Withdraw(DataSource* source) {
    if (source->GetType() == kSourceMateriaMedica) Empty(*static_cast<UserMateriaMedica*>(source));
    Unmark(source);
    Remove(m_spares, source);
    if (!Contains(m_withdrawn, source)) m_withdrawn.push_back(source);
}

DataSource* CUserMateriaMedicas::Create(const CAuthorInfo& info) {
    DataSource* source = TakeSpare();
    if (source == nullptr) return nullptr;
    auto* book = static_cast<UserMateriaMedica*>(source);
    book->SetFlags(static_cast<int>(kUserMateriaMedicaFlags));
    book->SetText2("");
    book->SetText4("");
    book->SetName(info.m_name.c_str());
    book->SetText3(info.m_author.c_str());
    book->SetText5(info.m_description.c_str());
    MarkModified(source);
    return source;
}

DataSource* CUserMateriaMedicas::OpenShared(const std::string& path, std::string* why,
                                            std::string* detail) {
    DataSource* source = TakeSpare();
    if (source == nullptr) {
        *why = TextKey("No more sources can be loaded");
        return nullptr;
    }
    // A failed open leaves the source as it was: empty, a spare again.
    if (!source->Open(path.c_str())) {
        m_spares.push_back(source);
        *why = TextKey(
            "The file is not a materia medica that can be loaded, or its .idx file is missing");
        return nullptr;
    }
    if ((source->GetFlags() & kPlainFlag) == 0 && (source->GetFlags() & kKindMask) == kUserArticlesKind) {
        Withdraw(source);
        *why = TextKey("The file holds a user article, not a materia medica");
        return nullptr;
    }
    Corvela& engine = CorvelaInstance();
    for (unsigned i = 0; i < engine.GetDataSourceCount(); ++i) {
        DataSource* other = engine.GetDataSource(i);
        if (other == source || IsHidden(other) || !(*other->GetGuid() == *source->GetGuid()))
            continue;
        *detail = other->GetName() != nullptr ? other->GetName() : "";
        Withdraw(source);
        *why = TextKey("A loaded source has the same identifier");
        return nullptr;
    }
    return source;
}

DataSource* CUserMateriaMedicas::UserArticleCollection(bool create) {
    const Guid id = UserArticleId();
    Corvela& engine = CorvelaInstance();
    for (unsigned i = 0; i < engine.GetDataSourceCount(); ++i) {
        DataSource* source = engine.GetDataSource(i);
        if (source->GetType() == kSourceUserArticles && *source->GetGuid() == id &&
            !IsHidden(source))
            return source;
    }
    if (!create) return nullptr;
    auto* collection = static_cast<UserArticle*>(engine.CreateUserArticleCollection());
    if (collection == nullptr) return nullptr;
    collection->SetGuid(&id);
    collection->SetName(kUserArticleName);
    return collection;
}

CAuthorInfo CUserMateriaMedicas::Info(DataSource* source) const {
    CAuthorInfo info;
    if (source == nullptr) return info;
    auto text = [](const char* value) { return std::string(value != nullptr ? value : ""); };
    info.m_name = text(source->GetName());
    info.m_author = text(source->GetText3());
    info.m_description = text(source->GetText5());
    return info;
}

void CUserMateriaMedicas::SetInfo(DataSource& source, const CAuthorInfo& info) {
    if (Info(&source) == info) return;
    if (source.GetType() == kSourceUserArticles) {
        auto& collection = static_cast<UserArticle&>(source);
        collection.SetName(info.m_name.c_str());
        collection.SetText3(info.m_author.c_str());
        collection.SetText5(info.m_description.c_str());
    } else if (IsUserMateriaMedica(&source)) {
        auto& book = static_cast<UserMateriaMedica&>(source);
        book.SetName(info.m_name.c_str());
        book.SetText3(info.m_author.c_str());
        book.SetText5(info.m_description.c_str());
    } else {
        return;
    }
    MarkModified(&source);
}

bool CUserMateriaMedicas::WriteArticle(DataSource& source, int remedy, const std::string& rich,
                                       const std::string& plain) {
    const bool blank = IsBlank(plain);
    if (source.GetType() == kSourceUserArticles) {
        auto& collection = static_cast<UserArticle&>(source);
        const bool had = *collection.GetArticleText() != '\0' || *collection.GetArticleRichText() != '\0';
        collection.SetArticleRichText(blank ? "" : rich.c_str());
        collection.SetArticleText(blank ? "" : plain.c_str());
        MarkModified(&source);
        return had == blank;
    }
    if (!IsUserMateriaMedica(&source)) return false;
    auto& book = static_cast<UserMateriaMedica&>(source);
    const bool had = book.FindArticle(remedy) != nullptr;
    if (blank) {
        book.DeleteArticle(remedy);
    } else {
        UserMMArticle* article = book.GetOrCreateArticle(remedy);
        article->SetRichText(rich.c_str());
        article->SetText(plain.c_str());
    }
    MarkModified(&source);
    return had == blank;
}

bool CUserMateriaMedicas::Save(DataSource& source, const std::string& path, std::string* why) {
    if (source.Save(path.c_str())) {
        Unmark(&source);
        return true;
    }
    const char* reason = CorvelaInstance().GetMateriaMedicaBuilder()->GetSaveError();
    *why = reason != nullptr && *reason != '\0' ? reason : "the written file cannot be read back";
    return false;
}

void CUserMateriaMedicas::Discard(DataSource& source) {
    const std::string path = source.GetFilePath() != nullptr ? source.GetFilePath() : "";
    Unmark(&source);
    if (!path.empty() && source.Open(path.c_str())) return;
    if (source.GetType() == kSourceUserArticles) {
        auto& collection = static_cast<UserArticle&>(source);
        collection.SetArticleRichText("");
        collection.SetArticleText("");
        return;
    }
    if (!IsUserMateriaMedica(&source)) return;
    if (!path.empty()) {
        // Its file is gone: what it held cannot come back.
        Withdraw(&source);
        return;
    }
    Empty(static_cast<UserMateriaMedica&>(source));
    m_spares.push_back(&source);
}

}  // namespace materia
