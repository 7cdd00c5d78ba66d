// The small pictures in front of the case view's nodes, drawn in code.
#pragma once

#include <QRect>

#include "shell/case_view.h"

class QPainter;

// Draws the picture of `kind` into `box` (16 by 16 pixels); lighter colours
// while the view has the focus (on its dark background).
void DrawTopicGlyph(QPainter& painter, CCaseView::TopicKind kind, const QRect& box, bool focused);
