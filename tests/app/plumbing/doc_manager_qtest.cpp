#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QPixmap>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "plumbing/documents/child_frame.h"
#include "plumbing/documents/doc_manager.h"
#include "plumbing/documents/document.h"

namespace {

enum Slot { kAnalysis = 0, kCase = 1, kEpisode = 3, kSearch = 5 };

// A record the views edit; `text` is what the editor wrote back.
struct Record {
    QString text;
};

// An editor that takes its record from its document and writes its text back
// when it loses the focus.
class RecordView : public QWidget {
public:
    RecordView(CDocument& document, QWidget* parent) : QWidget(parent) {
        m_record = document.ItemAs<Record>();
        m_edit = new QLineEdit(this);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(m_edit);
        m_edit->installEventFilter(this);
    }
    Record* TakenRecord() const { return m_record; }
    QLineEdit* Edit() const { return m_edit; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusOut && m_record) m_record->text = m_edit->text();
        return false;
    }

private:
    Record* m_record = nullptr;
    QLineEdit* m_edit = nullptr;
};

std::unique_ptr<CDocTemplate> MakeTemplate(const QString& className, const QString& name = {},
                                           bool viewFails = false) {
    auto docTemplate = std::make_unique<CDocTemplate>(
        className, [] { return new CDocument; },
        [viewFails](CDocument& document, CChildFrame& frame) -> QWidget* {
            if (viewFails) return nullptr;
            return new RecordView(document, &frame);
        });
    docTemplate->SetDocumentName(name);
    return docTemplate;
}

RecordView* ViewOf(CDocument* document, int frame = 0) {
    return static_cast<RecordView*>(document->Frames().at(frame)->widget());
}

}  // namespace

class DocManagerTest : public QObject {
    Q_OBJECT

private:
    QMdiArea* m_area = nullptr;
    CDocManager* m_manager = nullptr;
    // The records outlive the documents, as the case outlives its item windows.
    Record m_records[2];

private Q_SLOTS:
    void init() {
        m_area = new QMdiArea;
        m_area->resize(640, 480);
        m_manager = new CDocManager(m_area);
        m_manager->AddTemplate(kCase, MakeTemplate("CCaseMultiDocTemplate"));
        m_manager->AddTemplate(kAnalysis, MakeTemplate("CAnalysisMultiDocTemplate", "Analysis"));
        m_manager->AddTemplate(kEpisode, MakeTemplate("CEpisodeMultiDocTemplate"));
        m_manager->AddTemplate(kSearch, MakeTemplate("CSearchMultiDocTemplate", "Search"));
        m_area->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_area));
    }
    void cleanup() {
        delete m_manager;
        delete m_area;
        m_records[0] = m_records[1] = Record{};
    }

    void templatesLiveInTheirSlots() {
        QCOMPARE(m_manager->Template(kEpisode)->ClassName(),
                 QStringLiteral("CEpisodeMultiDocTemplate"));
        QVERIFY(!m_manager->Template(2));
        QCOMPARE(m_manager->FindTemplate("CSearchMultiDocTemplate"), m_manager->Template(kSearch));
        QVERIFY(!m_manager->FindTemplate("CRepertoryMultiDocTemplate"));
        QCOMPARE(m_manager->SlotOf(m_manager->Template(kAnalysis)), int(kAnalysis));
        QCOMPARE(m_manager->Templates().first(), m_manager->Template(kCase));  // order added
        QVERIFY(!m_manager->OpenNew(2));
    }

    void openOnceThenActivateByItem() {
        Record& first = m_records[0];
        Record& second = m_records[1];
        CDocument* a = m_manager->OpenOrActivate(kEpisode, &first, "Visit: May 01, 2024");
        QVERIFY(a);
        QCOMPARE(a->Item(), &first);
        QCOMPARE(ViewOf(a)->TakenRecord(), &first);  // the view found it in its document
        QCOMPARE(a->Frames().size(), 1);
        QCOMPARE(a->Frames()[0]->windowTitle(), QStringLiteral("Visit: May 01, 2024"));

        CDocument* b = m_manager->OpenOrActivate(kEpisode, &second);
        QVERIFY(b && b != a);
        QCOMPARE(m_manager->ActiveDocument(), b);

        QCOMPARE(m_manager->OpenOrActivate(kEpisode, &first), a);
        QCOMPARE(m_manager->Documents(kEpisode).size(), 2);
        QCOMPARE(m_area->subWindowList().size(), 2);
        QCOMPARE(m_manager->ActiveDocument(), a);

        // The same item in another template is another document.
        QVERIFY(!m_manager->FindByItem({kAnalysis}, &first));
        QCOMPARE(m_manager->FindByItem({kAnalysis, kEpisode}, &second), b);
        QCOMPARE(m_manager->ActivateByItem({kEpisode}, &second), b);
        QCOMPARE(m_manager->ActiveDocument(), b);
        QVERIFY(!m_manager->ActivateByItem({kEpisode}, nullptr));
    }

    void activatingRestoresEveryFrame() {
        Record& record = m_records[0];
        CDocument* document = m_manager->OpenNew(kEpisode, {}, &record);
        CChildFrame* second = m_manager->OpenAnotherFrame(document);
        QVERIFY(second);
        QCOMPARE(document->Frames().size(), 2);
        QCOMPARE(ViewOf(document, 1)->TakenRecord(), &record);  // every view finds the record
        document->Frames()[0]->showMinimized();
        m_manager->OpenNew(kSearch);
        QCOMPARE(m_manager->ActivateByItem({kEpisode}, &record), document);
        QVERIFY(!document->Frames()[0]->isMinimized());
        QCOMPARE(m_manager->ActiveDocument(), document);

        // Closing one frame keeps the document; closing the last deletes it.
        QPointer<CDocument> alive(document);
        second->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(alive);
        QCOMPARE(document->Frames().size(), 1);
        QSignalSpy closing(m_manager, &CDocManager::DocumentClosing);
        document->Frames()[0]->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!alive);
        QCOMPARE(closing.count(), 1);
        QVERIFY(m_manager->Documents(kEpisode).isEmpty());
    }

    void titlesAndFindByTitle() {
        CDocument* s1 = m_manager->OpenNew(kSearch);
        CDocument* s2 = m_manager->OpenNew(kSearch);
        CDocument* named = m_manager->OpenNew(kSearch, "Search");
        CDocument* untitled = m_manager->OpenNew(kCase);
        QCOMPARE(s1->Title(), QStringLiteral("Search1"));
        QCOMPARE(s2->Title(), QStringLiteral("Search2"));
        QCOMPARE(untitled->Title(), QStringLiteral("Untitled"));
        QCOMPARE(m_manager->FindByTitle("Search"), named);
        QCOMPARE(m_manager->FindByTitle("Search", {kSearch}), named);
        QVERIFY(!m_manager->FindByTitle("Search", {kEpisode}));
        QVERIFY(!m_manager->FindByTitle("search"));

        named->SetTitle("Search: fear");
        QCOMPARE(named->Frames()[0]->windowTitle(), QStringLiteral("Search: fear"));
        QVERIFY(!m_manager->FindByTitle("Search"));
    }

    // A template's icon goes on every frame of its kind; without one the
    // frame keeps what it inherits.
    void framesCarryTheirTemplatesIcon() {
        QPixmap red(16, 16);
        red.fill(Qt::red);
        m_manager->Template(kSearch)->SetFrameIcon(QIcon(red));
        CDocument* search = m_manager->OpenNew(kSearch);
        CDocument* plain = m_manager->OpenNew(kCase);
        QCOMPARE(search->Frames()[0]->windowIcon().pixmap(16).toImage().pixel(8, 8), QColor(Qt::red).rgb());
        QVERIFY(plain->Frames()[0]->windowIcon().cacheKey() != search->Frames()[0]->windowIcon().cacheKey());
    }

    // New windows open at a readable size, cascaded, inside the area.
    void newFramesAreCascadedInsideTheArea() {
        m_area->resize(900, 600);
        QCoreApplication::processEvents();
        CChildFrame* first = m_manager->OpenNew(kSearch)->Frames()[0];
        CChildFrame* second = m_manager->OpenNew(kCase)->Frames()[0];
        QCOMPARE(first->size(), QSize(680, 440));
        QCOMPARE(second->pos() - first->pos(), QPoint(24, 24));
        const QRect room(QPoint(0, 0), m_area->viewport()->size());
        QVERIFY(room.contains(first->geometry()) && room.contains(second->geometry()));
    }

    void closeAllClosesOnlyTheGivenTemplates() {
        Record& r1 = m_records[0];
        Record& r2 = m_records[1];
        QPointer<CDocument> episode = m_manager->OpenNew(kEpisode, {}, &r1);
        QPointer<CDocument> analysis = m_manager->OpenNew(kAnalysis, {}, &r2);
        QPointer<CDocument> search = m_manager->OpenNew(kSearch);
        QSignalSpy closing(m_manager, &CDocManager::DocumentClosing);
        m_manager->CloseAll({kEpisode, kAnalysis, kCase});
        QVERIFY(!episode);
        QVERIFY(!analysis);
        QVERIFY(search);
        QCOMPARE(closing.count(), 2);
        QCOMPARE(m_area->subWindowList().size(), 1);
        QVERIFY(!m_manager->FindByItem({kEpisode}, &r1));
        m_manager->CloseAll({});
        QVERIFY(search);
    }

    void closingLetsTheFocusedEditorWriteBack() {
        Record& record = m_records[0];
        CDocument* document = m_manager->OpenNew(kEpisode, {}, &record);
        m_area->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_area));
        QLineEdit* edit = ViewOf(document)->Edit();
        edit->setFocus();
        QVERIFY(edit->hasFocus());
        QTest::keyClicks(edit, "typed");
        m_manager->CloseAll({kEpisode});
        QCOMPARE(record.text, QStringLiteral("typed"));
    }

    void aFailingViewLeavesNothingBehind() {
        m_manager->AddTemplate(kEpisode, MakeTemplate("CEpisodeMultiDocTemplate", {}, true));
        Record& record = m_records[0];
        QSignalSpy opened(m_manager, &CDocManager::DocumentOpened);
        QVERIFY(!m_manager->OpenOrActivate(kEpisode, &record));
        QVERIFY(m_manager->Documents(kEpisode).isEmpty());
        QCOMPARE(opened.count(), 0);
        QVERIFY(m_area->subWindowList().isEmpty());
    }

    void replacingATemplateClosesItsDocuments() {
        QPointer<CDocument> old = m_manager->OpenNew(kSearch);
        m_manager->AddTemplate(kSearch, MakeTemplate("CSearchMultiDocTemplate", "Find"));
        QVERIFY(!old);
        QCOMPARE(m_manager->OpenNew(kSearch)->Title(), QStringLiteral("Find1"));
        QCOMPARE(m_manager->Templates().size(), 4);
    }

    void documentSignals() {
        CDocument* document = m_manager->OpenNew(kCase);
        QSignalSpy modified(document, &CDocument::ModifiedChanged);
        QSignalSpy changed(document, &CDocument::Changed);
        document->SetModified(true);
        document->SetModified(true);
        document->SetModified(false);
        document->NotifyChanged();
        QCOMPARE(modified.count(), 2);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(document->Template(), m_manager->Template(kCase));
    }

    void destroyingTheAreaDeletesTheDocuments() {
        QPointer<CDocument> document = m_manager->OpenNew(kSearch);
        delete m_area;
        m_area = nullptr;
        QVERIFY(!document);
        QVERIFY(m_manager->AllDocuments().isEmpty());
        QVERIFY(!m_manager->OpenNew(kSearch));
    }

    // A document's record comes back only as the type it was given as.
    void itemsAreTyped() {
        Record& record = m_records[0];
        CDocument* document = m_manager->OpenNew(kEpisode, {}, &record);
        QCOMPARE(document->ItemAs<Record>(), &record);
        QVERIFY(!document->ItemAs<int>());
        QVERIFY(!document->ItemAs<QString>());  // the record's first member, same address
        QCOMPARE(document->Item(), static_cast<void*>(&record));

        int number = 0;
        CDocument* other = m_manager->OpenNew(kEpisode, {}, &number);
        QVERIFY(!ViewOf(other)->TakenRecord());  // not a Record: the view gets none
        QCOMPARE(other->ItemAs<int>(), &number);

        CDocument* none = m_manager->OpenNew(kSearch);
        QVERIFY(none->DocItem().IsEmpty());
        QVERIFY(!none->ItemAs<Record>());
        QVERIFY(!none->Item());

        QCOMPARE(m_manager->OpenOrActivate(kEpisode, &record), document);  // found again
    }
};

QTEST_MAIN(DocManagerTest)
#include "doc_manager_qtest.moc"
