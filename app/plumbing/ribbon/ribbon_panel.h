// One panel of a ribbon category: a group of large and small tool buttons with
// a caption underneath in a smaller font.
#pragma once

#include <QList>
#include <QWidget>

class CCommandRegistry;
class QBoxLayout;
class QHBoxLayout;
class QLabel;
class QToolButton;
class QVBoxLayout;

class CRibbonPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kLargeIconSize = 32;
    static constexpr int kSmallIconSize = 16;
    static constexpr int kSmallButtonsPerColumn = 3;

    CRibbonPanel(CCommandRegistry& commands, const QString& caption, QWidget* parent = nullptr);

    // A button for command `id` with its icon above the caption, in a column
    // of its own.  Null (and nothing added) when `id` is not registered.  The
    // button belongs to the panel; it follows the command's action.
    QToolButton* AddLargeButton(int id);

    // A button for command `id` with a small icon beside the caption; up to
    // three are stacked in one column.  Null when `id` is not registered.
    QToolButton* AddSmallButton(int id);

    QString Caption() const;
    const QList<QToolButton*>& Buttons() const { return m_buttons; }

private:
    QToolButton* MakeButton(int id);

    CCommandRegistry& m_commands;
    QHBoxLayout* m_columns;
    QVBoxLayout* m_smallColumn = nullptr;  // the column small buttons are added to
    int m_smallInColumn = 0;
    QLabel* m_caption;
    QList<QToolButton*> m_buttons;
};
