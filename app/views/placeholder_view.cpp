#include "views/placeholder_view.h"

#include <QLabel>
#include <QPalette>

#include "plumbing/documents/child_frame.h"
#include "plumbing/documents/doc_template.h"
#include "plumbing/documents/document.h"

namespace views {

QWidget* MakePlaceholderView(CDocument&, CChildFrame& frame) {
    auto* note = new QLabel(&frame);
    note->setAlignment(Qt::AlignCenter);
    note->setAutoFillBackground(true);
    note->setBackgroundRole(QPalette::Base);
    return note;
}

std::unique_ptr<CDocTemplate> MakePlaceholderTemplate(const char* className) {
    return std::make_unique<CDocTemplate>(
        QString::fromLatin1(className), [] { return new CDocument; }, MakePlaceholderView);
}

}  // namespace views
