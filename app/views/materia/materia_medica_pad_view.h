// CMateriaMedicaPadView: the view of the materia medica window's template,
// holding the window's parts and a companion list of its own:
//
//   +--------------------------------------------------------------------+
//   | panel: remedy selector, search text, scope, "Start Search"         |
//   +----------------+-------------------------------+-------------------+
//   | author list    | remedy information band       | remedy index      |
//   |----------------| article view                  | (A-Z sections in  |
//   | Index | Remedy |                               |  columns)         |
//   +----------------+-------------------------------+-------------------+
//
// The companion list ("Index", "Remedy") holds the articles of the current
// materia medica by remedy, in the order of the remedies' short names;
// choosing one shows it.  Ctrl+S saves the current materia medica when it is
// the user's own.
#pragma once

#include <QWidget>
#include <memory>

class CEventReceiver;
class CMateriaMedicaAutors;
class CMateriaMedicaDoc;
class CMateriaMedicaIndexView;
class CMateriaMedicaPanelView;
class CMateriaMedicaView;
class CContentsModel;
class QSplitter;
class QTreeView;

class CMateriaMedicaPadView : public QWidget {
    Q_OBJECT
public:
    CMateriaMedicaPadView(CMateriaMedicaDoc& document, QWidget* parent = nullptr);
    ~CMateriaMedicaPadView() override;

    CMateriaMedicaDoc& Document() const { return m_document; }
    CMateriaMedicaPanelView* Panel() const { return m_panel; }
    CMateriaMedicaAutors* Autors() const { return m_autors; }
    CMateriaMedicaView* Article() const { return m_article; }
    CMateriaMedicaIndexView* Index() const { return m_index; }
    QTreeView* Contents() const { return m_contents; }
    CContentsModel* ContentsModel() const { return m_contentsModel; }

    // Saves the current materia medica when it is the user's own.
    void SaveCurrent();

private:
    void RebuildContents();
    void MarkContents();

    CMateriaMedicaDoc& m_document;
    CMateriaMedicaPanelView* m_panel;
    CMateriaMedicaAutors* m_autors;
    CContentsModel* m_contentsModel;
    QTreeView* m_contents;
    CMateriaMedicaView* m_article;
    CMateriaMedicaIndexView* m_index;
    std::unique_ptr<CEventReceiver> m_receiver;
    QByteArray m_contentsOf;  // the identifier and remedies the list was built for
};
