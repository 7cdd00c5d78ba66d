#include "search_test_support.h"

#include <QPainter>
#include <set>

namespace search_test {

QStringList Texts(const CSearchResultRenderer& page, Kind kind, int hit) {
    QStringList texts;
    for (DrawnItemId item : Items(page, kind, hit)) texts.append(page.ShownText(item));
    return texts;
}

std::vector<DrawnItemId> Items(const CSearchResultRenderer& page, Kind kind, int hit) {
    std::vector<DrawnItemId> items;
    for (DrawnItemId item = 0; item < page.ItemCount(); ++item)
        if (page.Item(item).kind == kind && (hit < 0 || page.Item(item).hit == hit))
            items.push_back(item);
    return items;
}

QImage Render(CSearchResultRenderer& page, int width) {
    page.Layout(width);
    const QSize size = page.ContentSize();
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    const QRect all(QPoint(0, 0), image.size());
    painter.setClipRect(all);
    page.Paint(painter, all);
    return image;
}

bool HasInk(const QImage& image, const QRect& box) {
    const QRect inside = box.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) return true;
    return false;
}

std::map<int, std::pair<int, int>> EngineRemedyCounts(Repertory& repertory,
                                                      const std::vector<std::uint32_t>& rubricIds) {
    std::map<int, std::pair<int, int>> counts;
    for (std::uint32_t id : rubricIds) {
        Topic* topic = repertory.GetTopic(id);
        if (topic == nullptr) continue;
        std::set<int> seen;
        for (int entry = 0; entry < topic->GetRemedyCount(); ++entry) {
            const int remedy = topic->GetRemedy(entry);
            if (!seen.insert(remedy).second) continue;
            counts[remedy].first += 1;
            counts[remedy].second += topic->GetGrade(entry);
        }
    }
    return counts;
}

DataSource* SourceNamed(const char* name) {
    return CorvelaInstance().FindDataSourceByName(name);
}

void RunPage(CSearchResults& page, const std::string& query, const char* sourceName) {
    DataSource* source = SourceNamed(sourceName);
    if (source == nullptr) return;
    page.Run(query, *source->GetGuid(), QueryWords(query, *source));
}

}  // namespace search_test
