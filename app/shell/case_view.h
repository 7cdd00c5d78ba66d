// CCaseView: the current case as a vertical list of nodes (the patient card
// first, then the items of the case's chain in chain order), custom-drawn on a
// cached pixmap.  Choosing a node (left click, or "Open topic" from the right
// button's menu) emits TopicChosen; the application opens or brings forward
// the item's window.
//
// The keyboard moves a selection over the nodes (Up, Down, Home, End) and
// Enter or Return chooses the selected node as a click does.
//
// One instance lives in the patient bar for the whole run (Instance()).  It
// reads the case from CCaseHost::Current() and repaints on EV_UPDATE_ANALYSIS
// and EV_CASE_MODIFIED.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <memory>

class CCaseViewRenderer;
class CEventReceiver;
class COneItem;

class CCaseView : public QWidget {
    Q_OBJECT
public:
    // The nodes (case_topics.h).
    class CTopic;
    class CTopicPatient;
    class CTopicEpisode;
    class CTopicAnalysis;
    class CTopicPrescription;
    enum class TopicKind { Patient, Episode, Analysis, Prescription };

    explicit CCaseView(QWidget* parent = nullptr);
    ~CCaseView() override;

    // The program's case view; null while none exists.
    static CCaseView* Instance();

    // Discards the cached painting; the nodes are rebuilt at the next paint.
    void Invalidate();

    // The node under the mouse by index, -1 for none.
    int HoverIndex() const { return m_hover; }
    // The renderer with the nodes of the last paint (Build and Layout first
    // when the cache is stale, so that tests can ask without painting).
    const CCaseViewRenderer& Renderer();

    // Chooses the first node whose box contains `point` (as a left click
    // there does); nothing when no node does.
    void ChooseAt(const QPoint& point);

    // The node selected by the keyboard, by index; -1 for none.
    int SelectedIndex() const { return m_selected; }
    // Selects node `index` (clamped to the nodes; -1: none) and repaints.
    void SetSelectedIndex(int index);

Q_SIGNALS:
    // A node was chosen; `item` is null for the patient node.
    void TopicChosen(CCaseView::TopicKind kind, COneItem* item);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Rebuild();
    void SetHover(int index);
    void ShowTopicMenu(const QPoint& point);

    std::unique_ptr<CCaseViewRenderer> m_renderer;
    QPixmap m_cache;
    bool m_cacheValid = false;
    bool m_nodesValid = false;
    int m_hover = -1;
    int m_selected = -1;
    Qt::MouseButton m_pressed = Qt::NoButton;
    std::unique_ptr<CEventReceiver> m_receiver;
};
