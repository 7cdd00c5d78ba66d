#include "views/analysis/analysis_placeholder_view.h"

#include "model/records/analysis.h"
#include "plumbing/documents/document.h"
#include "views/analysis/analysis_commands.h"

CAnalysisPlaceholderView::CAnalysisPlaceholderView(CDocument& document, QWidget* parent)
    : QLabel(parent), m_analysis(document.ItemAs<CAnalysis>()) {
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

CAnalysisPlaceholderView::~CAnalysisPlaceholderView() = default;

bool CAnalysisPlaceholderView::Handles(int id) const {
    return analysis_window::SymptomWeightOf(id) != 0;
}

void CAnalysisPlaceholderView::Run(int id) {
    if (m_analysis != nullptr)
        analysis_window::AddSymptomByButton(*m_analysis, analysis_window::SymptomWeightOf(id));
}
