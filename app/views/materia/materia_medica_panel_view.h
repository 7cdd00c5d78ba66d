// CMateriaMedicaPanelView: the panel of the materia medica window: the remedy
// selector, the search text, the search scope selector, "Start Search" and
// the search's progress ("%s (%d of %d)").
//
// The remedy selector lists every catalogue remedy twice, "long, (short)"
// and "short, (long)", sorted, each carrying the remedy number, so a remedy
// is found by either name (typing completes); choosing one shows it in the
// current materia medica and broadcasts EV_UPDATE_MATERIA_MEDICA.  The scope
// selector holds the values 0, 1, 2 (materia_search.h), the first selected.
#pragma once

#include <QWidget>
#include <unordered_map>

class CMateriaMedicaDoc;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;

class CMateriaMedicaPanelView : public QWidget {
    Q_OBJECT
public:
    CMateriaMedicaPanelView(CMateriaMedicaDoc& document, QWidget* parent = nullptr);
    ~CMateriaMedicaPanelView() override;

    QComboBox* RemedySelector() const { return m_remedies; }
    QLineEdit* SearchText() const { return m_search; }
    QComboBox* ScopeSelector() const { return m_scope; }
    QPushButton* StartButton() const { return m_start; }
    QLabel* Status() const { return m_status; }

    // Shows the remedy of selector entry `index` (its "long, (short)" or
    // "short, (long)" form).
    void ChooseRemedyEntry(int index);
    // One press of "Start Search".
    void StartSearch();

private:
    void FillRemedies();
    void FollowDocument();

    CMateriaMedicaDoc& m_document;
    QComboBox* m_remedies;
    QLineEdit* m_search;
    QComboBox* m_scope;
    QPushButton* m_start;
    QLabel* m_status;
    QStandardItemModel* m_remedyModel;
    std::unordered_map<int, int> m_entryOfRemedy;  // its "long, (short)" entry
    bool m_following = false;
};
