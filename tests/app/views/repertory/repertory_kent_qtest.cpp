// The browser on Kent's repertory (compiled at start from ../shared/data;
// every test skips when it is absent): headings, typesetting, the search
// strip and everything expanded.
#include <QApplication>
#include <QTest>

#include "bench_data_set.h"
#include "views/repertory/repertory_pad_view.h"
#include "views/repertory/repertory_renderer.h"
#include "views/repertory/repertory_search_view.h"
#include "views/repertory/repertory_topic_info.h"
#include "views/repertory/repertory_view.h"

using CTopicInfo = CRepertoryView::CTopicInfo;

namespace {

BenchDataSet g_kent;
bool g_ready = false;
std::string g_why;

CTopicInfo* Child(CTopicInfo& node, const char* text) {
    for (CTopicInfo& child : node.Children())
        if (std::strcmp(child.GetTopic()->GetText(), text) == 0) return &child;
    return nullptr;
}

}  // namespace

class RepertoryKentTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<CRepertoryPadView> m_pad;

private Q_SLOTS:
    void init() {
        if (!g_ready) QSKIP(g_why.c_str());
        m_pad = std::make_unique<CRepertoryPadView>();
        m_pad->resize(1200, 800);
        QVERIFY(m_pad->Bind("REP_KENT"));
        m_pad->show();
    }
    void cleanup() { m_pad.reset(); }

    void anxietyReadsAsPrinted() {
        CRepertoryView& view = m_pad->RubricView();
        CTopicInfo* anxiety = Child(*Child(*view.Root(), "Mind"), "ANXIETY");
        QVERIFY(anxiety != nullptr);
        QVERIFY(view.SelectRubric(anxiety->Id()));
        CRepertoryRenderer& page = view.Renderer();
        QCOMPARE(page.HeadingText(*anxiety), QStringLiteral("ANXIETY [ t: 116, rem: 203 ]: "));
        QCOMPARE(page.HeadingText(*view.Root()),
                 QStringLiteral(
                     "Kent - Repertory of the Homoeopathic Materia Medica of James Tyler Kent"));
        // Kent prints three grades: 3 bold capitalised, 2 italic, 1 lower case.
        int seen[4] = {};
        for (int entry = 0; entry < anxiety->RemedyCount(); ++entry) {
            const CTopicInfo::CRemedy& remedy =
                anxiety->Remedies()[static_cast<std::size_t>(entry)];
            const CRemedyTextCache::CEntry& form =
                page.Texts().Get(remedy.m_remedy, remedy.m_grade);
            QVERIFY(remedy.m_grade >= 1 && remedy.m_grade <= 3);
            ++seen[remedy.m_grade];
            QCOMPARE(form.face, views::FaceOfGrade(remedy.m_grade));
            QVERIFY(form.text.endsWith(QStringLiteral(". ")));
            const QChar first = form.text.front();
            QCOMPARE(first.isUpper(), remedy.m_grade >= 2);
            QCOMPARE(page.ItemText(page.ItemOf(anxiety, entry)), form.text.trimmed());
        }
        QVERIFY(seen[1] > 0 && seen[2] > 0 && seen[3] > 0);
    }

    void searchStaysInKent() {
        CRepertorySearchView& strip = m_pad->SearchView();
        strip.SetBeeper([] {});
        strip.Edit().SetText(QStringLiteral("anx"));
        strip.Enter();
        const CRepertorySearch& search = strip.Search();
        QVERIFY(search.Count() > 100);
        QCOMPARE(m_pad->RubricView().SelectedNode()->Id(), search.Hits().front());
        QCOMPARE(strip.Status(), QStringLiteral("anx (1 of %1)").arg(search.Count()));
        strip.FindPrevious();
        QCOMPARE(search.Position(), 0);
    }

    void everythingExpanded() {
        CRepertoryView& view = m_pad->RubricView();
        view.ExpandAll();
        QCOMPARE(view.Renderer().ItemCount(), 65625 + 447776);
        QTest::keyClick(&view, Qt::Key_End);
        QCOMPARE(view.SelectedNode(), view.Renderer().LastNode());
        QVERIFY(
            view.VisibleContent().contains(view.Renderer().ItemBox(view.SelectedItem()).topLeft()));
    }
};

int main(int argc, char** argv) {
    g_ready = FindDataSet("kent", &g_kent, &g_why) && PrepareDataSet(&g_kent, &g_why);
    int result = 0;
    {
        QApplication application(argc, argv);
        RepertoryKentTest test;
        result = QTest::qExec(&test, argc, argv);
    }
    RemoveDataSet(g_kent);
    return result;
}

#include "repertory_kent_qtest.moc"
