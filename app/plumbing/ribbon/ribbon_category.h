// One category (tab) of the ribbon: a row of panels with a subtle separator
// between neighbours.
#pragma once

#include <QList>
#include <QWidget>

class CCommandRegistry;
class CRibbonPanel;
class QHBoxLayout;

class CRibbonCategory : public QWidget {
    Q_OBJECT
public:
    CRibbonCategory(CCommandRegistry& commands, const QString& caption, QWidget* parent = nullptr);

    // Appends a panel; owned by the category.
    CRibbonPanel* AddPanel(const QString& caption);

    const QString& Caption() const { return m_caption; }
    const QList<CRibbonPanel*>& Panels() const { return m_panels; }

private:
    CCommandRegistry& m_commands;
    QString m_caption;
    QHBoxLayout* m_row;
    QList<CRibbonPanel*> m_panels;
};

// The one-pixel vertical line between two panels.
class CRibbonSeparator : public QWidget {
    Q_OBJECT
public:
    explicit CRibbonSeparator(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {7, 20}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};
