// The MDI child frame every document view lives in.  The document manager
// creates it, puts the view inside and deletes the document when its last
// frame closes; the frame only asks the document (CDocument::CanClose) before
// the user closes its last frame.
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

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CDocument* m_document;
};
