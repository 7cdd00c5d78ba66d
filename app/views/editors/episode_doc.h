// CEpisodeDoc: the document of an episode window.  Not backed by a file; it
// edits one episode of the current case, titled "<name>: <time>".
#pragma once

#include "plumbing/documents/document.h"

class CEpisode;

class CEpisodeDoc : public CDocument {
public:
    CEpisodeDoc();
    ~CEpisodeDoc() override;

    // The episode edited, owned by the case; null until bound.
    CEpisode* Episode() const { return m_episode; }

    // Binds the document to `opened` (the episode it was opened for) when it
    // is an episode of the current case: Item() becomes the episode and the
    // title is set.  An already bound document stays bound and ignores
    // `opened`.  False when not bound.
    bool Bind(CEpisode* opened);

private:
    CEpisode* m_episode = nullptr;
};
