// CRepertoryPadView: the view of a repertory document: the search strip
// (CRepertorySearchView) above the rubric view (CRepertoryView), with Tab
// moving the focus between them and F3/F4 in the rubric view going to the
// strip.
#pragma once

#include <QWidget>
#include <string>

class CRepertorySearchView;
class CRepertoryView;

class CRepertoryPadView : public QWidget {
    Q_OBJECT
public:
    explicit CRepertoryPadView(QWidget* parent = nullptr);
    ~CRepertoryPadView() override;

    // Binds both parts to the repertory named `name` (CRepertoryView::Bind).
    bool Bind(const std::string& name);

    CRepertoryView& RubricView() { return *m_rubrics; }
    CRepertorySearchView& SearchView() { return *m_search; }

private:
    CRepertoryView* m_rubrics;
    CRepertorySearchView* m_search;
};
