// The materia medica window on Boericke (offscreen): opening the window to the
// first article painted, switching remedy and author, one search step in the
// chosen work ("pain"), marking every occurrence of a word in the longest
// article, and saving a user materia medica of 600 articles.  Each figure is
// held against its target in the summary.
#include <benchmark/benchmark.h>
#include <corvela.h>
#include <stdlib.h>

#include <QApplication>
#include <QMdiArea>
#include <QTextEdit>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_data_set.h"
#include "model/core/program_settings.h"
#include "model/events/event_client.h"
#include "model/events/event_codes.h"
#include "plumbing/documents/child_frame.h"
#include "plumbing/documents/doc_manager.h"
#include "plumbing/ribbon/command_registry.h"
#include "plumbing/widgets/dialog_service.h"
#include "views/command_ids.h"
#include "views/document_slots.h"
#include "views/materia/materia_medica_doc.h"
#include "views/materia/materia_medica_pad_view.h"
#include "views/materia/materia_medica_view.h"
#include "views/materia/materia_window.h"
#include "views/materia/user_materia_medicas.h"
#include "views/window_host.h"

namespace {

constexpr const char* kBoericke = "B73C7BEC-DFF1-44F4-B7AC-5C784D4D8AAB";

// The window host the program would be: an MDI area with the template.
class BenchHost : public CWindowHost {
public:
    BenchHost() : m_documents(&m_area) {
        m_area.resize(1280, 800);
        m_commands.Register(ID_OPEN_MATERIA_MEDICA, QStringLiteral("Materia Medica"));
        SetCurrent(this);
        RegisterMateriaMedicaWindow(*this);
        m_area.show();
    }
    ~BenchHost() {
        m_documents.CloseAll({kMateriaMedicaSlot});
        SetCurrent(nullptr);
    }
    CDocManager& Documents() override { return m_documents; }
    CCommandRegistry& Commands() override { return m_commands; }
    const CProgramSettings& Settings() const override { return m_settings; }
    void ShowStatusMessage(const QString&) override {}
    CDialogService& Dialogs() override { return CDialogService::Current(); }
    QWidget* MainWindow() override { return &m_area; }

private:
    QMdiArea m_area;
    CCommandRegistry m_commands;
    CProgramSettings m_settings;
    CDocManager m_documents;
};

struct Figures {
    double open = -1, remedy = -1, author = -1, firstStep = -1, nextStep = -1, highlight = -1,
           save = -1;
};

std::string g_home;
Guid g_boericke;
Guid g_mine;  // the user materia medica of 600 articles
std::vector<int> g_remedies;  // Boericke's remedies, longest articles first
int g_longest = -1;
std::size_t g_longestLength = 0;
Figures g_figures;

double Ms(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times.empty() ? -1 : times[times.size() / 2];
}

// Paints the article as the screen would show it.
void PaintArticle(CMateriaMedicaDoc* document) {
    auto* view = qobject_cast<CMateriaMedicaPadView*>(document->Frames().front()->widget());
    benchmark::DoNotOptimize(view->Article()->Editor()->viewport()->grab());
}

CMateriaMedicaDoc* OpenWindow(int remedy, const Guid& book) {
    auto* document = qobject_cast<CMateriaMedicaDoc*>(OpenRemedy(remedy, book));
    document->Frames().front()->showMaximized();
    return document;
}

void CloseWindows() {
    CWindowHost::Current()->Documents().CloseAll({kMateriaMedicaSlot});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_OpenWindow(benchmark::State& state) {
    std::vector<double> times;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        CMateriaMedicaDoc* document = OpenWindow(g_remedies[0], g_boericke);
        benchmark::DoNotOptimize(document->Frames().front()->grab());
        times.push_back(Ms(start));
        state.PauseTiming();
        CloseWindows();
        state.ResumeTiming();
    }
    g_figures.open = Median(times);
}

void BM_SwitchRemedy(benchmark::State& state) {
    CMateriaMedicaDoc* document = OpenWindow(g_remedies[0], g_boericke);
    PaintArticle(document);
    std::vector<double> times;
    std::size_t next = 1;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        document->Navigate(g_remedies[next % 8], g_boericke);
        BroadcastEvent(EV_UPDATE_MATERIA_MEDICA);
        PaintArticle(document);
        times.push_back(Ms(start));
        ++next;
    }
    g_figures.remedy = Median(times);
    CloseWindows();
}

void BM_SwitchAuthor(benchmark::State& state) {
    CMateriaMedicaDoc* document = OpenWindow(g_remedies[0], g_boericke);
    PaintArticle(document);
    std::vector<double> times;
    bool mine = true;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        document->Navigate(-1, mine ? g_mine : g_boericke);
        BroadcastEvent(EV_UPDATE_MATERIA_MEDICA);
        PaintArticle(document);
        times.push_back(Ms(start));
        mine = !mine;
    }
    g_figures.author = Median(times);
    CloseWindows();
}

void BM_SearchStep(benchmark::State& state) {
    CMateriaMedicaDoc* document = OpenWindow(g_remedies[0], g_boericke);
    PaintArticle(document);
    std::vector<double> first, next;
    for (auto _ : state) {
        document->ResetSearch();
        auto start = std::chrono::steady_clock::now();
        document->Step("pain", 1);  // the search, its requests and the first article
        PaintArticle(document);
        first.push_back(Ms(start));
        start = std::chrono::steady_clock::now();
        document->Step("pain", 1);  // the next article
        PaintArticle(document);
        next.push_back(Ms(start));
    }
    state.counters["requests"] = document->RequestCount();
    g_figures.firstStep = Median(first);
    g_figures.nextStep = Median(next);
    CloseWindows();
}

void BM_HighlightLongest(benchmark::State& state) {
    CMateriaMedicaDoc* document = OpenWindow(g_longest, g_boericke);
    PaintArticle(document);
    std::vector<double> times;
    bool two = false;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        document->Navigate(-1, g_boericke, two ? "#pain#night" : "#pain");
        times.push_back(Ms(start));
        two = !two;
    }
    auto* view = qobject_cast<CMateriaMedicaPadView*>(document->Frames().front()->widget());
    state.counters["marks"] = static_cast<double>(view->Article()->Highlights().size());
    g_figures.highlight = Median(times);
    CloseWindows();
}

void BM_SaveUserMateriaMedica(benchmark::State& state) {
    DataSource* mine = CorvelaInstance().FindDataSource(&g_mine);
    const std::string path = g_home + "/mine.mmb";
    std::vector<double> times;
    for (auto _ : state) {
        std::string why;
        const auto start = std::chrono::steady_clock::now();
        if (!materia::CUserMateriaMedicas::Get().Save(*mine, path, &why)) {
            state.SkipWithError(why.c_str());
            break;
        }
        times.push_back(Ms(start));
    }
    state.counters["articles"] = static_cast<MateriaMedica*>(mine)->GetArticleCount();
    g_figures.save = Median(times);
}

// Boericke's remedies by article length; a user materia medica holding a
// copy of the first 600 articles.
bool PrepareBooks(std::string* why) {
    Corvela& engine = CorvelaInstance();
    ParseGuid(kBoericke, &g_boericke);
    auto* book = static_cast<MateriaMedica*>(engine.FindDataSource(&g_boericke));
    if (book == nullptr) {
        *why = "Boericke did not load";
        return false;
    }
    std::vector<std::pair<std::size_t, int>> lengths;
    for (int i = 0; i < book->GetArticleCount(); ++i) {
        Article* article = book->GetArticle(i);
        if (article->GetRemedy() >= 0)
            lengths.emplace_back(std::strlen(article->GetText()), article->GetRemedy());
    }
    std::sort(lengths.rbegin(), lengths.rend());
    for (const auto& entry : lengths) g_remedies.push_back(entry.second);
    g_longest = lengths.front().second;
    g_longestLength = lengths.front().first;

    materia::CAuthorInfo info{"Bench notes", "Bench", "600 articles"};
    auto* mine = static_cast<UserMateriaMedica*>(materia::CUserMateriaMedicas::Get().Create(info));
    for (int i = 0; i < book->GetArticleCount() && mine->GetArticleCount() < 600; ++i) {
        Article* article = book->GetArticle(i);
        if (article->GetRemedy() < 0) continue;
        UserMMArticle* copy = mine->GetOrCreateArticle(article->GetRemedy());
        copy->SetText(article->GetText());
    }
    g_mine = *mine->GetGuid();
    return mine->GetArticleCount() == 600 || (*why = "fewer than 600 articles", false);
}

void PrintSummary() {
    auto line = [](const char* what, double ms, double target) {
        std::printf("  %-58s %8.2f ms (target <= %g ms)  %s\n", what, ms, target,
                    ms >= 0 && ms <= target ? "met" : "MISSED");
    };
    std::printf("\nSummary (Boericke, %zu remedies with an article, longest %zu characters)\n",
                g_remedies.size(), g_longestLength);
    line("open the window to the first article painted", g_figures.open, 50);
    line("switch remedy (article painted)", g_figures.remedy, 15);
    line("switch author (article painted)", g_figures.author, 15);
    line("search step in scope 1, \"pain\": the first press", g_figures.firstStep, 15);
    line("search step in scope 1, \"pain\": a following press", g_figures.nextStep, 15);
    line("highlight every occurrence in the longest article", g_figures.highlight, 10);
    line("save a user materia medica of 600 articles", g_figures.save, 300);
}

}  // namespace

int main(int argc, char** argv) {
    std::string dataset = "boericke";
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--datasets") == 0) return 0;  // one data set, no names
        args.push_back(argv[i]);
    }
    const std::string shared = MERIDANE_SHARED_DATA_DIR;
    if (!std::filesystem::exists(shared + "/boericke.mms")) {
        std::printf("skipping: %s/boericke.mms is not there\n", shared.c_str());
        return 0;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::string why;
    if (!PrepareMateriaMedicaHome(shared + "/remedy_synonyms.txt", shared + "/boericke.mms",
                                  "boericke.mmb", &g_home, &why)) {
        std::fprintf(stderr, "materia_medica_bench: %s\n", why.c_str());
        return 1;
    }
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    CorvelaInstance().CloseAll();
    if (!PrepareBooks(&why)) {
        std::fprintf(stderr, "materia_medica_bench: %s\n", why.c_str());
        return 1;
    }
    {
        BenchHost host;
        int count = static_cast<int>(args.size());
        benchmark::Initialize(&count, args.data());
        for (auto* registered : {
                 benchmark::RegisterBenchmark("BM_OpenWindow", BM_OpenWindow),
                 benchmark::RegisterBenchmark("BM_SwitchRemedy", BM_SwitchRemedy),
                 benchmark::RegisterBenchmark("BM_SwitchAuthor", BM_SwitchAuthor),
                 benchmark::RegisterBenchmark("BM_SearchStepPain", BM_SearchStep),
                 benchmark::RegisterBenchmark("BM_HighlightLongest", BM_HighlightLongest),
             })
            registered->Unit(benchmark::kMillisecond)->UseRealTime();
        benchmark::RegisterBenchmark("BM_SaveUserMateriaMedica600", BM_SaveUserMateriaMedica)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(15);
        benchmark::AddCustomContext("dataset", dataset);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        PrintSummary();
    }
    CorvelaInstance().CloseAll();
    materia::CUserMateriaMedicas::Get().Forget();
    std::filesystem::remove_all(g_home);
    return 0;
}
