// Automatic translation of the user interface: an application-wide event
// filter that passes the visible English texts through a translator as the
// windows appear.
//
//  - window titles of top-level windows and dialogs, when polished and shown;
//  - the texts of buttons, labels and group boxes inside dialogs, when polished
//    (each widget its own text; its children are polished on their own);
//  - menus every time they open, with their submenus, recursively;
//  - tooltips of widgets, when a tooltip is about to show;
//  - combo box items, when polished and shown: texts translated, item data and
//    selection kept.
//
// Translation always starts from the English original, remembered on the
// object itself: applying the filter again never translates a translation,
// and a text the program sets later becomes the new original.  Tool buttons
// that show an action take their texts from the action (translated when it
// appears in a menu) and are left alone.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QComboBox;
class QMenu;
class QWidget;

class CTranslationFilter : public QObject {
    Q_OBJECT
public:
    // Whole-text translation: the English text in, the text to show out (an
    // empty answer empties the text).
    using Translator = std::function<QString(const QString&)>;

    explicit CTranslationFilter(Translator translator, QObject* parent = nullptr);
    ~CTranslationFilter() override;

    // Starts and stops filtering the events of the whole application.
    void Install();
    void Uninstall();

    // Marks `object` (a widget or an action) as showing data, not interface
    // text: the filter never touches it.
    static void ExcludeFromTranslation(QObject* object);
    static bool IsExcluded(const QObject* object);
    // Leaves the text of `widget` alone (a label showing an address, a name)
    // while its window title and tooltip are still translated.
    static void ExcludeTextFromTranslation(QObject* widget);

    // The single steps, also usable directly.
    void TranslateWindowTitle(QWidget* window);
    void TranslateWidgetText(QWidget* widget);
    void TranslateMenu(QMenu* menu);
    void TranslateComboBox(QComboBox* combo);
    void TranslateToolTip(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The translation of the original behind `current`, remembered on `holder`
    // under `slot`; `current` itself when there is nothing to translate.
    QString Remembered(QObject* holder, const char* slot, const QString& current);
    void TranslateMenuRecursive(QMenu* menu, int depth);
    void WatchMenu(QMenu* menu);

    Translator m_translator;
    bool m_installed = false;
};
