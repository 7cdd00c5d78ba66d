#include "analysis_test_support.h"

#include <QPainter>

#include "corvela.h"
#include "editor_test_support.h"
#include "model/events/event_codes.h"
#include "plumbing/drawn/drawn_renderer.h"

namespace analysis_test {

const std::string& UseDemoHome() { return editors_test::UseDemoHome(); }

std::uint32_t DemoRubric(std::initializer_list<const char*> path) {
    return editors_test::RubricId("REP_DEMO", path);
}

int RemedyNumber(const char* name) {
    Remedy* remedy = CorvelaInstance().FindRemedy(name);
    return remedy != nullptr ? static_cast<int>(remedy->GetId()) : -1;
}

TestHost::TestHost() : TestHost(std::make_unique<CCase>()) {}

TestHost::TestHost(std::unique_ptr<CCase> theCase) : m_case(std::move(theCase)) {
    m_previous = Current();
    SetCurrent(this);
}

TestHost::~TestHost() {
    SetCurrent(m_previous);
}

void TestHost::MarkCaseModified() {
    ++m_marks;
    m_modified = true;
    BroadcastEvent(EV_CASE_MODIFIED);
}

CAnalysis& TestHost::Analysis() {
    std::vector<CAnalysis*> analyses = m_case->GetAnalyses();
    return analyses.empty() ? *m_case->AddAnalysis() : *analyses.front();
}

int EventRecorder::Count(unsigned code) const {
    int count = 0;
    for (unsigned c : m_codes) count += c == code ? 1 : 0;
    return count;
}

CSympthom::CTopic Rubric(const std::string& path, std::initializer_list<Entry> entries, int hide) {
    static int nextId = 100;
    CSympthom::CTopic topic;
    topic.m_dataType = CSympthom::kRubricTopic;
    topic.m_topicId = ++nextId;
    topic.m_hide = hide;
    topic.m_pathText = path;
    const std::size_t step = path.rfind("; ");
    topic.m_title = step == std::string::npos ? path : path.substr(step + 2);
    for (const Entry& entry : entries)
        topic.m_remedies.push_back(
            {entry.first, entry.second, NumberName(static_cast<std::uint32_t>(entry.first))});
    return topic;
}

CSympthom& Symptom(CAnalysis& analysis, const std::string& name, int weight,
                   std::initializer_list<CSympthom::CTopic> topics) {
    CSympthom* symptom = &analysis.GetFirstSymptom();
    if (!symptom->m_topics.empty() || symptom->GetNext() != nullptr ||
        symptom->m_name != "Unknown Symptom")
        symptom = analysis.GetFirstSymptom().Append(new CSympthom(name));
    else
        symptom->m_name = name;
    symptom->m_weight = weight;
    for (const CSympthom::CTopic& topic : topics) symptom->m_topics.push_back(topic);
    return *symptom;
}

std::string NumberName(std::uint32_t remedy) {
    return "r" + std::to_string(remedy);
}

QImage Render(CDrawnRenderer& renderer, const QSize& size, const QPoint& origin) {
    renderer.Layout(size.width());
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::magenta);  // anything the renderer leaves unpainted shows
    QPainter painter(&image);
    const QRect area(origin, size);
    painter.translate(-origin);
    painter.setClipRect(area);
    renderer.Paint(painter, area);
    return image;
}

int CountColour(const QImage& image, const QRect& box, const QColor& colour) {
    int count = 0;
    const QRect inside = box.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += image.pixelColor(x, y) == colour ? 1 : 0;
    return count;
}

int CountInk(const QImage& image, const QRect& box) {
    return box.intersected(image.rect()).width() * box.intersected(image.rect()).height() -
           CountColour(image, box, Qt::white);
}

}  // namespace analysis_test
