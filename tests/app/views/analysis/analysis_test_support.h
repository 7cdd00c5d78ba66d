// What the analysis window tests share: a scratch program directory with the
// demo catalogue, repertory and materia medica (the engine reads it on first
// use), a case host over a case of their own, a recorder of the event bus,
// hand-made rubric topics, and rendering a drawn renderer into an image.
#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/events/event_client.h"
#include "model/records/case.h"
#include "views/case_host.h"

class CDrawnRenderer;

namespace analysis_test {

// Points MERIDANE_HOME at a fresh folder holding copies of the demo
// remedy_synonyms.txt, demo_en.rpb (REP_DEMO) and demo_mm_en.mmb with their
// indexes (once per process; removed at exit).  Call before the engine's
// first use.
const std::string& UseDemoHome();

// The identifier of the REP_DEMO rubric reached through `path` from the root's
// children ("Mind", "Anxiety", "night"); 0 when there is none.
std::uint32_t DemoRubric(std::initializer_list<const char*> path);
// The catalogue number of remedy `name` ("nux-v"); -1 when unknown.
int RemedyNumber(const char* name);

// Installs itself as the case host while it lives; owns a case.
class TestHost : public CCaseHost {
public:
    TestHost();
    explicit TestHost(std::unique_ptr<CCase> theCase);
    ~TestHost() override;

    CCase* CurrentCase() override { return m_case.get(); }
    bool IsCaseModified() const override { return m_modified; }
    // Counts, sets the flag and broadcasts EV_CASE_MODIFIED, as the program does.
    void MarkCaseModified() override;

    CCase& Case() { return *m_case; }
    // The case's first analysis, made when there is none.
    CAnalysis& Analysis();
    void Replace(std::unique_ptr<CCase> theCase) { m_case = std::move(theCase); }

    int m_marks = 0;
    bool m_modified = false;

private:
    std::unique_ptr<CCase> m_case;
    CCaseHost* m_previous = nullptr;
};

// Records every code broadcast while it lives.
class EventRecorder : public event_client {
public:
    void OnEvent(unsigned code, std::uintptr_t, std::uintptr_t, std::uintptr_t) override {
        m_codes.push_back(code);
    }
    int Count(unsigned code) const;
    void Clear() { m_codes.clear(); }
    std::vector<unsigned> m_codes;
};

using Entry = std::pair<int, int>;  // remedy number, grade

// A rubric topic made by hand: its path text (its title the last step) and
// entries named "r<number>".
CSympthom::CTopic Rubric(const std::string& path, std::initializer_list<Entry> entries,
                         int hide = 0);
// A symptom appended to `analysis` (the first one is reused while it has no
// topics and keeps its name "Unknown Symptom"), with `weight` and `topics`.
CSympthom& Symptom(CAnalysis& analysis, const std::string& name, int weight,
                   std::initializer_list<CSympthom::CTopic> topics);
// "r" and the number: the names of hand-made entries.
std::string NumberName(std::uint32_t remedy);

// `renderer` laid out for `size`'s width and painted over the content
// rectangle at `origin` with `size`, as a view would.
QImage Render(CDrawnRenderer& renderer, const QSize& size, const QPoint& origin = {});

// Pixels of `image` within `box` whose colour is `colour`.
int CountColour(const QImage& image, const QRect& box, const QColor& colour);
// Pixels of `image` within `box` that are not white.
int CountInk(const QImage& image, const QRect& box);

}  // namespace analysis_test
