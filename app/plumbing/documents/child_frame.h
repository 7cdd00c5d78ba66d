// The MDI child frame every document view lives in.  It has no behaviour of
// its own; the document manager creates it, puts the view inside and deletes
// the document when its last frame closes.
#pragma once

#include <QMdiSubWindow>

class CDocument;

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit CChildFrame(CDocument* document, QWidget* parent = nullptr);
    ~CChildFrame() override;

    // The document shown; it outlives the frame.
    CDocument* Document() const { return m_document; }

private:
    CDocument* m_document;
};
