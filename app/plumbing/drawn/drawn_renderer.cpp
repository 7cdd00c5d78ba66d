#include "plumbing/drawn/drawn_renderer.h"

CDrawnRenderer::~CDrawnRenderer() = default;

void CDrawnRenderer::PaintOverlay(QPainter&, const QRect&, const CDrawnOverlay&) {}

bool CDrawnRenderer::IsClickable(DrawnItemId) const {
    return true;
}

CHintText CDrawnRenderer::ItemHint(DrawnItemId) const {
    return {};
}

QRect CDrawnRenderer::OverlayBox(DrawnItemId item) const {
    return ItemBox(item);
}
