// The companion list's model: the remedies the current materia medica has
// articles on, by short name, in two columns ("Index": the short name,
// "Remedy": the long name).  Names are read from the catalogue as rows are
// shown, so setting a book of 700 articles costs one sort.
#pragma once

#include <QAbstractTableModel>
#include <vector>

class CContentsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kRemedyRole = Qt::UserRole + 1;

    explicit CContentsModel(QObject* parent = nullptr);

    // The remedies (catalogue numbers) in the order shown.
    void SetRemedies(std::vector<int> remedies);
    const std::vector<int>& Remedies() const { return m_remedies; }
    // The row of `remedy`; -1 when the list does not hold it.
    int RowOf(int remedy) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<int> m_remedies;
};
