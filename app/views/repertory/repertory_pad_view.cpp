#include "views/repertory/repertory_pad_view.h"

#include <QVBoxLayout>

#include "views/repertory/repertory_search_view.h"
#include "views/repertory/repertory_view.h"

CRepertoryPadView::CRepertoryPadView(QWidget* parent)
    : QWidget(parent), m_rubrics(new CRepertoryView(this)) {
    setObjectName(QStringLiteral("RepertoryPadView"));
    m_search = new CRepertorySearchView(*m_rubrics, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_search);
    layout->addWidget(m_rubrics, 1);
    setFocusProxy(m_rubrics);

    connect(m_rubrics, &CRepertoryView::FocusSearch, this,
            [this] { m_search->Edit().setFocus(Qt::TabFocusReason); });
    connect(m_search, &CRepertorySearchView::FocusRubrics, this,
            [this] { m_rubrics->setFocus(Qt::TabFocusReason); });
    connect(m_rubrics, &CRepertoryView::SearchKey, this, [this](int key) {
        if (key == Qt::Key_F3) {
            m_search->FindNext();
        } else {
            m_search->FindPrevious();
        }
    });
}

CRepertoryPadView::~CRepertoryPadView() = default;

bool CRepertoryPadView::Bind(const std::string& name) {
    const bool bound = m_rubrics->Bind(name);
    Repertory* repertory = m_rubrics->BoundRepertory();
    m_search->SetRepertory(repertory != nullptr ? *repertory->GetGuid() : Guid{});
    return bound;
}
