#include "views/analysis/topic_links.h"

#include "corvela.h"
#include "model/lang/localize.h"
#include "views/window_texts.h"

namespace analysis_window {

namespace {

// The source a topic names, and its item: through the SourceId when the
// topic has one, else through the position in the Topic Id.
DataItem* ItemOf(const CSympthom::CTopic& topic, int sourceType, DataSource** sourceOut) {
    Corvela& engine = CorvelaInstance();
    const std::uint32_t id = topic.GetItemId();
    DataSource* source = topic.m_sourceId.IsNull() ? engine.GetDataSourceOfItem(id)
                                                   : engine.FindDataSource(&topic.m_sourceId);
    if (source == nullptr || source->GetType() != sourceType) return nullptr;
    if (sourceOut != nullptr) *sourceOut = source;
    return source->GetItem(ItemNumber(id));
}

}  // namespace

std::optional<RubricLink> ResolveRubric(const CSympthom::CTopic& topic) {
    if (topic.m_dataType != CSympthom::kRubricTopic) return std::nullopt;
    DataSource* source = nullptr;
    DataItem* item = ItemOf(topic, kSourceRepertory, &source);
    if (item == nullptr || item->GetKind() != kItemTopic) return std::nullopt;
    return RubricLink{*source->GetGuid(), static_cast<std::int32_t>(item->GetId())};
}

Article* ResolveArticle(const CSympthom::CTopic& topic) {
    if (topic.m_dataType != CSympthom::kArticleTopic) return nullptr;
    DataItem* item = ItemOf(topic, kSourceMateriaMedica, nullptr);
    if (item == nullptr || item->GetKind() != kItemArticle) return nullptr;
    return static_cast<Article*>(item);
}

std::string ArticleCaption(const CSympthom::CTopic& topic) {
    const char* unknown = Localize("Unknow", 1);
    DataSource* source = nullptr;
    DataItem* item = topic.m_dataType == CSympthom::kArticleTopic
                         ? ItemOf(topic, kSourceMateriaMedica, &source)
                         : nullptr;
    if (item == nullptr || item->GetKind() != kItemArticle) return unknown;
    Remedy* remedy = CorvelaInstance().GetRemedyById(static_cast<Article*>(item)->GetRemedy());
    const char* name = remedy != nullptr ? remedy->GetLongName() : nullptr;
    const char* materia = source->GetText3();
    if (name == nullptr) return unknown;
    return views::FormatTexts("%s [%s]", {name, materia != nullptr ? materia : ""});
}

bool RemedyKnown(int remedy) {
    return remedy >= 0 && CorvelaInstance().GetRemedyById(remedy) != nullptr;
}

}  // namespace analysis_window
