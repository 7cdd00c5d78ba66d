#include "views/editors/episode_doc.h"

#include "model/records/case.h"
#include "views/case_access.h"
#include "views/window_texts.h"

CEpisodeDoc::CEpisodeDoc() = default;

CEpisodeDoc::~CEpisodeDoc() = default;

bool CEpisodeDoc::Bind(CEpisode* opened) {
    if (m_episode != nullptr) return true;
    CCase* theCase = views::CurrentCase();
    if (theCase == nullptr) return false;
    m_episode = views::FindItemAs<CEpisode>(*theCase, opened);
    if (m_episode == nullptr) return false;
    SetItem(m_episode);
    SetTitle(views::ItemTitle(*m_episode));
    return true;
}
