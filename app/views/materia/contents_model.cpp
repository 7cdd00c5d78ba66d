#include "views/materia/contents_model.h"

#include <corvela.h>

#include <algorithm>

#include "model/lang/localize.h"
#include "plumbing/text/code_page.h"
#include "views/window_texts.h"

CContentsModel::CContentsModel(QObject* parent) : QAbstractTableModel(parent) {}

void CContentsModel::SetRemedies(std::vector<int> remedies) {
    beginResetModel();
    m_remedies = std::move(remedies);
    endResetModel();
}

int CContentsModel::RowOf(int remedy) const {
    const auto found = std::find(m_remedies.begin(), m_remedies.end(), remedy);
    return found != m_remedies.end() ? static_cast<int>(found - m_remedies.begin()) : -1;
}

int CContentsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_remedies.size());
}

int CContentsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant CContentsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const int remedy = m_remedies[static_cast<std::size_t>(index.row())];
    if (role == kRemedyRole) return remedy;
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    Remedy* shown = CorvelaInstance().GetRemedy(remedy);
    if (shown == nullptr) return {};
    return plumbing::DecodeCodePage(index.column() == 0 ? shown->GetShortName()
                                                        : shown->GetLongName());
}

QVariant CContentsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return views::Localized(section == 0 ? TextKey("Index") : TextKey("Remedy"));
}
