#include "shell/patient_bar.h"

#include "model/lang/localize.h"
#include "plumbing/text/code_page.h"
#include "shell/case_view.h"
#include "shell/shell_icons.h"

CPatientBar::CPatientBar(QWidget* parent)
    : QDockWidget(plumbing::DecodeCodePage(Localize("Patient Card", 1)), parent),
      m_caseView(new CCaseView(this)) {
    setObjectName(QStringLiteral("PatientBar"));
    setWindowIcon(ShellIcon(ShellIconKind::PatientCard));
    setAllowedAreas(Qt::AllDockWidgetAreas);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    setWidget(m_caseView);
}

void CPatientBar::Toggle() { setVisible(!isVisible()); }
