#include "shell/patient_bar.h"

#include "shell/case_view.h"
#include "shell/shell_icons.h"
#include "views/window_texts.h"

CPatientBar::CPatientBar(QWidget* parent)
    : QDockWidget(views::Localized("Patient Card"), parent),
      m_caseView(new CCaseView(this)) {
    setObjectName(QStringLiteral("PatientBar"));
    setWindowIcon(ShellIcon(ShellIconKind::PatientCard));
    setAllowedAreas(Qt::AllDockWidgetAreas);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    setWidget(m_caseView);
}

void CPatientBar::Toggle() { setVisible(!isVisible()); }
