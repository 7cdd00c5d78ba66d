// CRemedyIndexRenderer: the layout and drawing of the alphabetical remedy
// index of the materia medica window (a CDrawnRenderer).  The catalogue's
// remedies by long name in 26 sections A to Z (a name that starts with no
// Latin letter goes to a last section "#", shown only when it has one); each
// section is a heading band with its letter, then its names in as many
// columns as the width holds, read down each column.  A collapsed section
// shows its heading only.
//
// A remedy is marked when the current materia medica has an article on it
// (the facade's remedy-to-source table): its name is dark with a dot before
// it; the others are grey.  The selected item (the remedy on display) is
// drawn on a blue band by the overlay.
#pragma once

#include <QFont>
#include <QString>
#include <string>
#include <vector>

#include "corvela/guid.h"
#include "plumbing/drawn/drawn_renderer.h"
#include "plumbing/drawn/drawn_rows.h"

class CRemedyIndexRenderer : public CDrawnRenderer {
public:
    static constexpr int kSections = 26;
    static constexpr int kColumnWidth = 170;  // at least, per column
    static constexpr int kMargin = 8;

    CRemedyIndexRenderer();
    ~CRemedyIndexRenderer() override;

    // Reads the catalogue (names, sections); once, or again after the engine
    // changed catalogues (tests).
    void LoadCatalogue();
    // Marks the remedies `materiaMedica` has an article on.  Answers whether
    // a mark changed.
    bool MarkSource(const Guid& materiaMedica);
    bool IsMarked(int remedy) const;

    // Sections: 0-25 for A-Z, 26 for "#".
    int SectionCount() const { return static_cast<int>(m_sections.size()); }
    int SectionOf(int remedy) const;
    bool IsCollapsed(int section) const;
    void SetCollapsed(int section, bool collapsed);
    // The remedies of a section, in their order.
    const std::vector<int>& SectionRemedies(int section) const;

    // What an item stands for.
    bool IsHeading(DrawnItemId item) const;
    int RemedyOf(DrawnItemId item) const;   // -1 for a heading
    int SectionOfItem(DrawnItemId item) const;
    // The item of `remedy` (kNoDrawnItem while its section is collapsed).
    DrawnItemId ItemOfRemedy(int remedy) const;
    DrawnItemId ItemOfSection(int section) const;
    // The columns of the last layout.
    int Columns() const { return m_columns; }

    void Layout(int width) override;
    QSize ContentSize() const override;
    void Paint(QPainter& painter, const QRect& area) override;
    void PaintOverlay(QPainter& painter, const QRect& area, const CDrawnOverlay& overlay) override;
    DrawnItemId ItemAt(const QPoint& point) const override;
    void ItemsIn(const QRect& area, std::vector<DrawnItemId>* items) const override;
    QRect ItemBox(DrawnItemId item) const override;
    QString ItemText(DrawnItemId item) const override;
    CHintText ItemHint(DrawnItemId item) const override;

private:
    struct Section {
        QString letter;
        std::vector<int> remedies;
        bool collapsed = false;
    };
    struct Item {
        int section;
        int remedy;  // -1: the section's heading
    };

    void PaintItem(QPainter& painter, int item, bool selected, bool hover) const;

    std::vector<Section> m_sections;
    std::vector<QString> m_names;        // display name per remedy number
    std::vector<std::string> m_rawNames; // "long (short)" per remedy, code page 1251
    std::vector<int> m_sectionOf;        // per remedy number
    std::vector<char> m_marked;          // per remedy number
    Guid m_markedSource{};

    CDrawnRows m_rows;
    std::vector<Item> m_items;           // per drawn item
    std::vector<int> m_itemOfRemedy;     // per remedy number, -1 when not laid out
    std::vector<int> m_itemOfSection;
    int m_width = 0;
    int m_columns = 1;
    int m_lineHeight = 18;
    int m_headingHeight = 24;
    QFont m_font;
    QFont m_headingFont;
};
