#include "shell/case_view_renderer.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include "model/records/analysis.h"
#include "model/records/case.h"
#include "model/records/episode.h"
#include "model/records/prescription.h"
#include "shell/case_topics.h"
#include "shell/case_view_glyphs.h"

CCaseViewRenderer::CCaseViewRenderer(const QFont& font) : m_font(font) {}

CCaseViewRenderer::~CCaseViewRenderer() = default;

void CCaseViewRenderer::Build(CCase* theCase) {
    m_topics.clear();
    if (theCase == nullptr) return;
    m_topics.push_back(std::make_unique<CCaseView::CTopicPatient>(theCase->GetPatientInfo()));
    for (COneItem* item = &theCase->GetFirstEpisode(); item != nullptr; item = item->GetNext()) {
        // Items of any other class (a plain COneItem) get no node.
        if (auto* analysis = dynamic_cast<CAnalysis*>(item)) {
            m_topics.push_back(std::make_unique<CCaseView::CTopicAnalysis>(*analysis));
        } else if (auto* prescription = dynamic_cast<CPrescription*>(item)) {
            m_topics.push_back(std::make_unique<CCaseView::CTopicPrescription>(*prescription));
        } else if (auto* episode = dynamic_cast<CEpisode*>(item)) {
            m_topics.push_back(std::make_unique<CCaseView::CTopicEpisode>(*episode));
        }
    }
}

void CCaseViewRenderer::Layout(int width) {
    m_width = width;
    const int lineHeight = QFontMetrics(m_font).height();
    int top = kSpacing;
    for (auto& topic : m_topics) {
        const int lines = static_cast<int>(topic->Lines().size());
        const int height = std::max(lines * lineHeight, kIconSize) + 2 * kPadding;
        topic->SetBox(QRect(QPoint(kSpacing, top), QPoint(width - 1 - kSpacing, top + height - 1)));
        top += height + kSpacing;
    }
}

int CCaseViewRenderer::ContentHeight() const {
    return m_topics.empty() ? 0 : m_topics.back()->Box().bottom() + 1 + kSpacing;
}

int CCaseViewRenderer::HitTest(const QPoint& point) const {
    for (int i = 0; i < Count(); ++i) {
        if (m_topics[i]->Box().contains(point)) return i;
    }
    return -1;
}

void CCaseViewRenderer::Paint(QPainter& painter, const QRect& area, bool focused, int hover,
                              int selected) const {
    painter.fillRect(area, focused ? FocusedBackground() : QColor(255, 255, 255));
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setFont(m_font);
    const QFontMetrics metrics(m_font);
    const QColor first = focused ? FocusedTextColour() : FirstPartColour();
    const QColor second = focused ? FocusedTextColour() : SecondPartColour();

    for (int i = 0; i < Count(); ++i) {
        const CCaseView::CTopic& topic = *m_topics[i];
        const QRect box = topic.Box();
        if (!box.intersects(area)) continue;
        if (i == hover || i == selected) {
            QPainterPath path;
            path.addRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
            if (i == selected) {
                // The keyboard's node: a firmer fill and a frame of its own.
                painter.fillPath(path, focused ? QColor(90, 145, 225) : QColor(204, 226, 248));
                painter.setPen(QPen(focused ? QColor(255, 255, 255) : QColor(49, 106, 197), 1));
            } else {
                painter.fillPath(path, focused ? QColor(74, 130, 215) : QColor(229, 241, 251));
                painter.setPen(focused ? QColor(150, 185, 235) : QColor(160, 200, 235));
            }
            painter.drawPath(path);
        }
        DrawTopicGlyph(painter, topic.Kind(),
                       QRect(kLeftMargin, box.top() + kPadding, kIconSize, kIconSize), focused);

        int baseline = box.top() + kPadding + metrics.ascent();
        const int right = box.right() - kPadding;
        for (const CCaseView::CTopic::Line& line : topic.Lines()) {
            int x = kTextIndent;
            const int room = right - x;
            const QString firstText = metrics.elidedText(line.first, Qt::ElideRight, room);
            painter.setPen(first);
            painter.drawText(x, baseline, firstText);
            x += metrics.horizontalAdvance(firstText);
            // "Time:" and the name stand a blank apart.
            if (!firstText.isEmpty() && !firstText.endsWith(QLatin1Char(' '))) {
                x += metrics.horizontalAdvance(QLatin1Char(' '));
            }
            if (!line.second.isEmpty() && x < right) {
                painter.setPen(second);
                painter.drawText(x, baseline,
                                 metrics.elidedText(line.second, Qt::ElideRight, right - x));
            }
            baseline += metrics.height();
        }
    }
}
