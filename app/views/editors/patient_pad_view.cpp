#include "views/editors/patient_pad_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPalette>

#include "model/records/case.h"
#include "plumbing/rtf/rtf.h"
#include "views/case_access.h"
#include "views/editors/card_panes.h"
#include "views/editors/episode_doc.h"
#include "views/editors/patient_info_doc.h"
#include "views/editors/patient_text_view.h"
#include "views/editors/practitioner_doc.h"

namespace {

const QColor kLabelsBackground(240, 240, 240);

}  // namespace

CPatientPadView::CPatientPadView(CPatientInfoDoc& document, QWidget* parent) : QWidget(parent) {
    MakeCardPanes();
    m_labels->LoadRtf(editors::LabelsPaneRtf(editors::PatientCardLabels()));
    CPatientInfo* card = document.Card();
    if (card != nullptr) m_values->LoadRtf(editors::PatientCardValuesRtf(*card));
    m_values->SetWriteBackTarget([card](const QTextDocument& text) {
        if (views::IsCurrentCard(card)) editors::WritePatientCardBack(text, *card);
    });
    Lay();
}

CPatientPadView::CPatientPadView(CEpisodeDoc& document, QWidget* parent) : QWidget(parent) {
    m_values = new CPatientTextView(this);
    m_values->SetWriteBack(true);
    CEpisode* episode = document.Episode();
    if (episode != nullptr) m_values->LoadRtf(episode->GetDescription());
    m_values->SetWriteBackTarget([episode](const QTextDocument& text) {
        if (views::IsCurrentItem(episode)) episode->SetDescription(rtf::Save(text));
    });
    Lay();
}

CPatientPadView::CPatientPadView(CPractitionerDoc& document, QWidget* parent) : QWidget(parent) {
    MakeCardPanes();
    m_labels->LoadRtf(editors::LabelsPaneRtf(editors::PractitionerLabels()));
    CPractitioner* practitioner = document.Practitioner();
    if (practitioner != nullptr) m_values->LoadRtf(editors::PractitionerValuesRtf(*practitioner));
    m_values->SetWriteBackTarget([practitioner](const QTextDocument& text) {
        if (views::IsCurrentPractitioner(practitioner))
            editors::WritePractitionerBack(text, *practitioner);
    });
    Lay();
}

CPatientPadView::~CPatientPadView() = default;

void CPatientPadView::MakeCardPanes() {
    m_labels = new CPatientTextView(this);
    m_labels->setReadOnly(true);
    m_labels->SetWriteBack(false);
    QPalette grey = m_labels->palette();
    grey.setColor(QPalette::Base, kLabelsBackground);
    m_labels->setPalette(grey);

    m_values = new CPatientTextView(this);
    m_values->SetWriteBack(true);
    m_values->SetWriteBackOnEditKeys(true);

    // Line i of the labels stands beside line i of the values: neither pane
    // may wrap, or a long label or value would push the rows out of step.
    // A label too long for the pane is cut at its edge.
    m_labels->setLineWrapMode(QTextEdit::NoWrap);
    m_labels->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_values->setLineWrapMode(QTextEdit::NoWrap);
}

QSize CPatientPadView::sizeHint() const {
    return {560, 320};
}

void CPatientPadView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(),
                     m_labels != nullptr ? kLabelsBackground : palette().window().color());
}

void CPatientPadView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Lay();
}

void CPatientPadView::Lay() {
    const int h = height();
    if (m_labels == nullptr) {
        m_values->setGeometry(0, 0, width(), h);
        return;
    }
    m_labels->setGeometry(0, 0, kLabelsWidth, h);
    m_values->setGeometry(kValuesLeft, 0, qMax(0, width() - kValuesLeft), h);
}
