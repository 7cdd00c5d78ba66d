// CPatientBar: the dockable pane "Patient Card" that holds the one case view,
// which fills the pane whatever its size.
#pragma once

#include <QDockWidget>

class CCaseView;

class CPatientBar : public QDockWidget {
    Q_OBJECT
public:
    // Creates the case view.  May dock on every side of the main window.
    explicit CPatientBar(QWidget* parent = nullptr);

    CCaseView* CaseView() const { return m_caseView; }

    // Shows the pane when it is hidden and hides it when it is shown.
    void Toggle();

private:
    CCaseView* m_caseView;
};
