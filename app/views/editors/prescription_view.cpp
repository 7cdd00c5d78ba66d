#include "views/editors/prescription_view.h"

#include <QResizeEvent>

#include "views/editors/prescription_edit_view.h"

CPrescriptionView::CPrescriptionView(CPrescriptionDoc& document, QWidget* parent)
    : QWidget(parent), m_edit(new CPrescriptionEditView(document, this)) {
    setFocusProxy(m_edit);
    m_edit->setGeometry(rect());
}

CPrescriptionView::~CPrescriptionView() = default;

QSize CPrescriptionView::sizeHint() const {
    return {480, 320};
}

void CPrescriptionView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_edit->setGeometry(rect());
}
