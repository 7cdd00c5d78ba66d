// The analysis window's view until the symptom list and the table land: an
// empty note that already carries out the window's commands (the four
// add-symptom buttons) for the analysis its document shows.
#pragma once

#include <QLabel>

#include "plumbing/ribbon/command_target.h"

class CAnalysis;
class CDocument;

class CAnalysisPlaceholderView : public QLabel, public CCommandTarget {
    Q_OBJECT
public:
    // Shows the analysis of `document` (its ItemAs<CAnalysis>).
    CAnalysisPlaceholderView(CDocument& document, QWidget* parent = nullptr);
    ~CAnalysisPlaceholderView() override;

    bool Handles(int id) const override;
    void Run(int id) override;

private:
    CAnalysis* m_analysis;
};
