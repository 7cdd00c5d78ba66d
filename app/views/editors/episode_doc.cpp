#include "views/editors/episode_doc.h"

#include "model/records/case.h"
#include "views/editors/case_access.h"
#include "views/editors/item_title.h"

CEpisodeDoc::CEpisodeDoc() = default;

CEpisodeDoc::~CEpisodeDoc() = default;

bool CEpisodeDoc::Bind(void* handedOver) {
    if (m_episode != nullptr) return true;
    CCase* theCase = editors::CurrentCase();
    if (theCase == nullptr) return false;
    m_episode = editors::FindItemAs<CEpisode>(*theCase, handedOver);
    if (m_episode == nullptr) return false;
    SetItem(m_episode);
    SetTitle(editors::ItemTitle(*m_episode));
    return true;
}
