// CSympthomSortView: the top-left corner of an analysis table, 75 x 100:
// "Sort by" over a drop-down list (control IDC_REMEDYS) of "Factum",
// "Weight", "Count" and "Name" (values 0 to 3), and the captions of the two
// lines of every remedy row.  Choosing an order stores it in the analysis's
// "SortType" and broadcasts EV_UPDATE_ANALYSIS; the case's modified flag is
// left alone.
#pragma once

#include <QWidget>

class CAnalysis;
class QComboBox;
class QLabel;

class CSympthomSortView : public QWidget {
    Q_OBJECT
public:
    explicit CSympthomSortView(QWidget* parent = nullptr);

    // The analysis whose order the list shows and sets (borrowed; null: none).
    void SetAnalysis(CAnalysis* analysis);
    // Selects the item whose value is the analysis's "SortType" (none for
    // any other value), without storing anything.
    void ShowSortType();
    QComboBox& List() { return *m_list; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnChosen(int index);

    CAnalysis* m_analysis = nullptr;
    QComboBox* m_list;
    QLabel* m_arrow;
    bool m_showing = false;
};
