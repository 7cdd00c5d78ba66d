// CPatientPadView: the view of the patient card, episode and practitioner
// windows.  For a card (patient card, practitioner) it holds two
// CPatientTextView panes: the labels pane, 187 pixels wide at the left,
// read-only on light grey (240, 240, 240) and not written back, and the
// values pane from x = 190 to the right edge, written back on focus loss and
// after Enter, Delete and Backspace; both take the full height.  For an
// episode it holds one pane, written back on focus loss, filling the view.
// It paints its own background.
#pragma once

#include <QWidget>

class CEpisodeDoc;
class CPatientInfoDoc;
class CPatientTextView;
class CPractitionerDoc;

class CPatientPadView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kLabelsWidth = 187;
    static constexpr int kValuesLeft = 190;

    // The document must be bound (Bind) to its record.
    CPatientPadView(CPatientInfoDoc& document, QWidget* parent = nullptr);
    CPatientPadView(CEpisodeDoc& document, QWidget* parent = nullptr);
    CPatientPadView(CPractitionerDoc& document, QWidget* parent = nullptr);
    ~CPatientPadView() override;

    // The labels pane; null for an episode.
    CPatientTextView* LabelsPane() const { return m_labels; }
    // The values pane; for an episode the one text pane.
    CPatientTextView* ValuesPane() const { return m_values; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void MakeCardPanes();
    void Lay();

    CPatientTextView* m_labels = nullptr;
    CPatientTextView* m_values = nullptr;
};
