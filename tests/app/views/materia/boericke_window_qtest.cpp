// The materia medica window on Boericke's Pocket Manual (compiled from the
// shared data at start; skipped without it): Aconitum, the longest article
// with every occurrence of a common word marked, and searching the book.
#include <corvela.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QComboBox>
#include <QTest>
#include <QTextEdit>

#include "materia_test_support.h"
#include "views/materia/materia_medica_doc.h"
#include "views/materia/materia_medica_pad_view.h"
#include "views/materia/materia_medica_panel_view.h"
#include "views/materia/materia_medica_view.h"
#include "views/materia/word_highlights.h"

using namespace materia_test;

namespace {
std::string g_why;
bool g_ready = false;
}  // namespace

class BoerickeWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestHost> m_host;

    // The remedy of Boericke's longest article.
    static int LongestArticleRemedy() {
        const Guid id = Id(kBoericke);
        auto* book = static_cast<MateriaMedica*>(CorvelaInstance().FindDataSource(&id));
        int remedy = -1;
        std::size_t longest = 0;
        for (int i = 0; i < book->GetArticleCount(); ++i) {
            const std::size_t length = std::strlen(book->GetArticle(i)->GetText());
            if (length > longest && book->GetArticle(i)->GetRemedy() >= 0) {
                longest = length;
                remedy = book->GetArticle(i)->GetRemedy();
            }
        }
        return remedy;
    }

private Q_SLOTS:
    void initTestCase() {
        if (!g_ready) QSKIP(qPrintable(QStringLiteral("no Boericke: ") + QString::fromStdString(g_why)));
    }
    void init() {
        m_host = std::make_unique<TestHost>();
        m_host->Area().show();
    }
    void cleanup() { m_host.reset(); }

    void aconitumInBoericke() {
        CMateriaMedicaDoc* document = m_host->Open(RemedyNumber("acon"), kBoericke);
        QVERIFY(document != nullptr);
        QCOMPARE(document->Title(), QStringLiteral("[acon] MM_BOERICKE"));
        CMateriaMedicaPadView* view = m_host->View(document);
        const QString text = view->Article()->Editor()->toPlainText();
        QVERIFY(text.startsWith(QStringLiteral("\nAconitum Napellus")));
        QVERIFY(text.size() > 5000);
        // Boericke's catalogue gives no attributes: every mark unknown.
        QVERIFY(view->Article()->ShowsNoArticle() == false);
    }

    void theLongestArticleHasEveryPainMarked() {
        const int remedy = LongestArticleRemedy();
        CMateriaMedicaDoc* document = m_host->Open(remedy, kBoericke);
        document->Navigate(-1, Id(kBoericke), "#pain");
        CMateriaMedicaView& article = *m_host->View(document)->Article();
        const QString text = article.Editor()->toPlainText();
        QVERIFY(text.size() >= 10000);
        const int expected = static_cast<int>(text.count(QStringLiteral("pain"), Qt::CaseInsensitive));
        QVERIFY(expected > 10);
        QCOMPARE(static_cast<int>(article.Highlights().size()), expected);
    }

    void searchingTheBookForPain() {
        CMateriaMedicaDoc* document = m_host->Open(RemedyNumber("acon"), kBoericke);
        CMateriaMedicaPanelView& panel = *m_host->View(document)->Panel();
        panel.SearchText()->setText(QStringLiteral("pain"));
        panel.ScopeSelector()->setCurrentIndex(1);
        panel.StartSearch();
        QVERIFY(document->RequestCount() > 300);
        QCOMPARE(document->Remedy(), RemedyNumber("acon"));
        QVERIFY(panel.Status()->text().startsWith(QStringLiteral("pain (")));
        const int before = document->Remedy();
        panel.StartSearch();
        QVERIFY(document->Remedy() != before);
    }
};

int main(int argc, char** argv) {
    g_ready = materia_test::PrepareBoerickeHome(&g_why);
    QApplication application(argc, argv);
    BoerickeWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "boericke_window_qtest.moc"
