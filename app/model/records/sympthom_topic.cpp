// The topics of a symptom: their layout and their refresh from the engine.
#include <string_view>

#include "corvela.h"
#include "model/meta/layout.h"
#include "model/records/sympthom.h"

struct CSympthom::CTopic::Layout : ClassLayout<CSympthom::CTopic> {
    Layout() : ClassLayout("CTopic") {
        Register();
        Call(nullptr, &CTopic::Hook);
        Value("Data Type", &CTopic::m_dataType);
        Value("Topic Id", &CTopic::m_topicId);
        Bytes("SourceId", &CTopic::m_sourceId);
        Value("expander", &CTopic::m_expander);
        Value("Topic Text", &CTopic::m_text);
        Value("hide", &CTopic::m_hide);
        Call(&CTopic::Hook, nullptr);
    }
};
MERIDANE_DEFINE_LAYOUT_ACCESSOR(CSympthom::CTopic);

namespace {

void TrimTrailingSeparators(std::string& text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == ';' || text.back() == ':'))
        text.pop_back();
}

// Every ";;" becomes ";", left to right without overlapping (";;;" gives ";;").
void CollapseDoubleSemicolons(std::string& text) {
    if (text.find(";;") == std::string::npos) return;
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        result += text[i];
        if (text[i] == ';' && i + 1 < text.size() && text[i + 1] == ';') ++i;
    }
    text.swap(result);
}

// The repertory's own root ("rep_demo") begins with "rep_" in any mix of case.
bool IsRepertoryNode(std::string_view text) {
    static constexpr std::string_view kPrefix = "rep_";
    if (text.size() < kPrefix.size()) return false;
    for (std::size_t i = 0; i < kPrefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != kPrefix[i]) return false;
    }
    return true;
}

const char* TextOf(Topic& topic) {
    const char* text = topic.GetText();
    return text != nullptr ? text : "";
}

}  // namespace

void CSympthom::CTopic::FillFrom(Topic& rubric) {
    m_title = TextOf(rubric);
    TrimTrailingSeparators(m_title);
    m_pathText = m_title;
    // Deep trees are walked by the parent links: no recursion.
    for (DataItem* ancestor = rubric.GetParent(); ancestor != nullptr;
         ancestor = ancestor->GetParent()) {
        if (ancestor->GetKind() != kItemTopic) break;
        const char* text = TextOf(*static_cast<Topic*>(ancestor));
        if (!IsRepertoryNode(text)) m_pathText.insert(0, std::string(text) + "; ");
        TrimTrailingSeparators(m_pathText);
        CollapseDoubleSemicolons(m_pathText);
    }
    Corvela& engine = CorvelaInstance();
    m_remedies.clear();
    const int count = rubric.GetRemedyCount();
    if (count > 0) m_remedies.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        CRemedyInfo entry;
        entry.m_remedy = rubric.GetRemedy(i);
        entry.m_grade = rubric.GetGrade(i);
        if (Remedy* remedy = engine.GetRemedyById(entry.m_remedy)) {
            if (const char* name = remedy->GetShortName()) entry.m_shortName = name;
        }
        m_remedies.push_back(std::move(entry));
    }
}

bool CSympthom::CTopic::Refresh() {
    Corvela& engine = CorvelaInstance();
    const std::uint32_t id = GetItemId();
    DataSource* source = nullptr;
    DataItem* item = nullptr;
    const bool named = (m_dataType == kRubricTopic || m_dataType == kArticleTopic) &&
                       !m_sourceId.IsNull();
    if (named) {
        // The source named by the topic, wherever discovery put it now.
        source = engine.FindDataSource(&m_sourceId);
        if (source != nullptr) item = source->GetItem(ItemNumber(id));
    } else {
        source = engine.GetDataSourceOfItem(id);
        if (source != nullptr) item = source->GetItem(id);
    }
    if (item == nullptr) return false;
    if (m_dataType == kArticleTopic) return RefreshArticle(*source, *item, named);
    // Only a rubric has a text and remedy entries; anything else the
    // identifier may name leaves the topic as it is.
    if (item->GetKind() != kItemTopic) return false;
    Topic& rubric = *static_cast<Topic*>(item);
    if (m_dataType == kRubricTopic) {
        if (named)
            m_topicId = static_cast<int>(rubric.GetId());
        else if (source->GetType() == kSourceRepertory)
            // A file of an earlier version: its rubric was found by position;
            // remember the repertory so that the next save no longer depends
            // on the order of the data files.
            m_sourceId = *source->GetGuid();
    }
    FillFrom(rubric);
    return true;
}

bool CSympthom::CTopic::RefreshArticle(DataSource& source, DataItem& item, bool named) {
    // An article topic keeps its passage; it only follows its article to the
    // article's identifier in this run, or, for a topic saved without its
    // materia medica, learns it.
    if (item.GetKind() != kItemArticle || source.GetType() != kSourceMateriaMedica) return false;
    if (named)
        m_topicId = static_cast<int>(item.GetId());
    else
        m_sourceId = *source.GetGuid();
    return true;
}
