// Documents holding unsaved work of their own are asked before the user
// closes their last frame and before the program ends; closing them through
// the manager never asks.
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QPointer>
#include <QTest>

#include "plumbing/documents/child_frame.h"
#include "plumbing/documents/doc_manager.h"
#include "plumbing/documents/document.h"

namespace {

// Answers CanClose with `m_answer` and counts the questions.
class GuardedDocument : public CDocument {
public:
    bool CanClose() override {
        ++m_asked;
        return m_answer;
    }
    bool m_answer = false;
    int m_asked = 0;
};

std::unique_ptr<CDocTemplate> GuardedTemplate() {
    return std::make_unique<CDocTemplate>(
        QStringLiteral("CGuardedTemplate"), [] { return new GuardedDocument; },
        [](CDocument&, CChildFrame& frame) -> QWidget* { return new QLabel(&frame); });
}

}  // namespace

class DocumentCloseTest : public QObject {
    Q_OBJECT

private:
    QMdiArea* m_area = nullptr;
    CDocManager* m_manager = nullptr;

private Q_SLOTS:
    void init() {
        m_area = new QMdiArea;
        m_area->resize(640, 480);
        m_manager = new CDocManager(m_area);
        m_manager->AddTemplate(0, GuardedTemplate());
        m_area->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_area));
    }
    void cleanup() {
        delete m_manager;
        delete m_area;
    }

    void theLastFrameAsksBeforeItCloses() {
        auto* document = static_cast<GuardedDocument*>(m_manager->OpenNew(0, QStringLiteral("A")));
        QVERIFY(document != nullptr);
        QPointer<CChildFrame> first = document->Frames().front();
        QPointer<CChildFrame> second = m_manager->OpenAnotherFrame(document);
        QVERIFY(second);

        // Another frame still shows the document: no question.
        QVERIFY(second->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!second);
        QCOMPARE(document->m_asked, 0);

        // The last frame: refused, everything stays.
        QVERIFY(!first->close());
        QCOMPARE(document->m_asked, 1);
        QVERIFY(first);
        QCOMPARE(m_manager->Documents(0).size(), 1);

        document->m_answer = true;
        QVERIFY(first->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(m_manager->Documents(0).isEmpty());
    }

    void canCloseAllStopsAtTheFirstRefusal() {
        auto* a = static_cast<GuardedDocument*>(m_manager->OpenNew(0, QStringLiteral("A")));
        auto* b = static_cast<GuardedDocument*>(m_manager->OpenNew(0, QStringLiteral("B")));
        a->m_answer = false;
        QVERIFY(!m_manager->CanCloseAll());
        QCOMPARE(a->m_asked, 1);
        QCOMPARE(b->m_asked, 0);
        a->m_answer = b->m_answer = true;
        QVERIFY(m_manager->CanCloseAll());
        QCOMPARE(b->m_asked, 1);
        // The manager closes without asking.
        b->m_answer = false;
        m_manager->Close(b);
        QCOMPARE(m_manager->Documents(0).size(), 1);
        QCOMPARE(a->m_asked, 2);
    }
};

QTEST_MAIN(DocumentCloseTest)
#include "document_close_qtest.moc"
