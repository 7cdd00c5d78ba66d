// CMateriaMedicaAutors: the author list of the materia medica window.  One
// entry per materia medica (data sources of type 2, in facade order, the
// program's hidden ones left out), shown by its author, with the tooltip
// "{Autor: }%s\n{Name: }%s\n{Description: }%s"; then one last entry for the
// user's own article (the collection "3BBAE799-F8A7-4559-9DC8-C4E82427B85F").
// An entry whose source holds unsaved changes ends in "*".
//
// Choosing an entry shows the same remedy in that materia medica and
// broadcasts EV_UPDATE_MATERIA_MEDICA; the list rebuilds its entries on that
// event.  Context menu: "Select autor", "Edit autor info" (user sources
// only), and the commands on the user's own materia medicas.
#pragma once

#include <QListWidget>
#include <memory>

#include "corvela/guid.h"

class CEventReceiver;
class CMateriaMedicaDoc;
class DataSource;
class QMenu;

class CMateriaMedicaAutors : public QListWidget {
    Q_OBJECT
public:
    CMateriaMedicaAutors(CMateriaMedicaDoc& document, QWidget* parent = nullptr);
    ~CMateriaMedicaAutors() override;

    // Rebuilds the entries from the engine's sources.
    void Rebuild();

    // The identifier an entry stands for.
    static Guid EntryId(const QListWidgetItem* item);
    // The entry of `id`; null when none.
    QListWidgetItem* EntryOf(const Guid& id) const;

    // Shows the current remedy in the materia medica of `item` (for the last
    // entry the user article collection, made when missing).
    void Select(QListWidgetItem* item);
    void SelectSource(const Guid& id);

    // The context menu of `item` (may be null), filled; for tests.
    void FillContextMenu(QMenu& menu, QListWidgetItem* item);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void MarkCurrent();

    CMateriaMedicaDoc& m_document;
    std::unique_ptr<CEventReceiver> m_receiver;
    bool m_rebuilding = false;
};
