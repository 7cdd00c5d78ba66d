#include "plumbing/translation/translation_filter.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

namespace {

constexpr const char* kExcluded = "meridane_untranslated";
constexpr const char* kTextExcluded = "meridane_text_untranslated";
constexpr const char* kMenuWatched = "meridane_menu_watched";
constexpr int kMaxMenuDepth = 16;

QByteArray OriginalKey(const char* slot) {
    return QByteArray("meridane_en_") + slot;
}
QByteArray ShownKey(const char* slot) {
    return QByteArray("meridane_shown_") + slot;
}

}  // namespace

CTranslationFilter::CTranslationFilter(Translator translator, QObject* parent)
    : QObject(parent), m_translator(std::move(translator)) {}

CTranslationFilter::~CTranslationFilter() {
    Uninstall();
}

void CTranslationFilter::Install() {
    if (m_installed || !qApp) return;
    qApp->installEventFilter(this);
    m_installed = true;
}

void CTranslationFilter::Uninstall() {
    if (!m_installed) return;
    if (qApp) qApp->removeEventFilter(this);
    m_installed = false;
}

void CTranslationFilter::ExcludeFromTranslation(QObject* object) {
    if (object) object->setProperty(kExcluded, true);
}

bool CTranslationFilter::IsExcluded(const QObject* object) {
    return object && object->property(kExcluded).toBool();
}

void CTranslationFilter::ExcludeTextFromTranslation(QObject* widget) {
    if (widget) widget->setProperty(kTextExcluded, true);
}

QString CTranslationFilter::Remembered(QObject* holder, const char* slot, const QString& current) {
    const QByteArray originalKey = OriginalKey(slot);
    const QByteArray shownKey = ShownKey(slot);
    const QVariant shown = holder->property(shownKey.constData());
    // Still showing our translation: translate the remembered original again.
    // Anything else was set by the program and is the new original.
    const QString original = shown.isValid() && shown.toString() == current
                                 ? holder->property(originalKey.constData()).toString()
                                 : current;
    if (original.isEmpty() || !m_translator) return current;
    const QString translated = m_translator(original);
    holder->setProperty(originalKey.constData(), original);
    holder->setProperty(shownKey.constData(), translated);
    return translated;
}

void CTranslationFilter::TranslateWindowTitle(QWidget* window) {
    if (!window || IsExcluded(window) || qobject_cast<QMenu*>(window)) return;
    const QString title = window->windowTitle();
    const QString translated = Remembered(window, "title", title);
    if (translated != title) window->setWindowTitle(translated);
}

void CTranslationFilter::TranslateWidgetText(QWidget* widget) {
    if (!widget || IsExcluded(widget) || widget->property(kTextExcluded).toBool()) return;
    if (auto* tool = qobject_cast<QToolButton*>(widget); tool && tool->defaultAction()) return;
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        const QString text = button->text();
        const QString translated = Remembered(button, "text", text);
        if (translated != text) button->setText(translated);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        const QString text = label->text();
        const bool rich = label->textFormat() == Qt::RichText ||
                          (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
        if (rich) return;
        const QString translated = Remembered(label, "text", text);
        if (translated != text) label->setText(translated);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        const QString text = group->title();
        const QString translated = Remembered(group, "text", text);
        if (translated != text) group->setTitle(translated);
    }
}

void CTranslationFilter::TranslateMenu(QMenu* menu) {
    TranslateMenuRecursive(menu, 0);
}

void CTranslationFilter::TranslateMenuRecursive(QMenu* menu, int depth) {
    if (!menu || IsExcluded(menu) || depth > kMaxMenuDepth) return;  // depth: menus may loop
    const QList<QAction*> actions = menu->actions();
    for (QAction* action : actions) {
        if (action->isSeparator() || IsExcluded(action)) continue;
        const QString text = action->text();
        const QString translated = Remembered(action, "text", text);
        if (translated != text) action->setText(translated);
        if (QMenu* sub = action->menu()) {
            WatchMenu(sub);
            TranslateMenuRecursive(sub, depth + 1);
        }
    }
}

void CTranslationFilter::TranslateComboBox(QComboBox* combo) {
    if (!combo || IsExcluded(combo)) return;
    const int selected = combo->currentIndex();
    QStringList originals = combo->property(OriginalKey("items").constData()).toStringList();
    QStringList shown = combo->property(ShownKey("items").constData()).toStringList();
    const int count = combo->count();
    originals.resize(count);
    shown.resize(count);
    for (int i = 0; i < count; ++i) {
        const QString text = combo->itemText(i);
        if (shown[i] != text || originals[i].isEmpty()) originals[i] = text;
        if (originals[i].isEmpty() || !m_translator) {
            shown[i] = text;
            continue;
        }
        shown[i] = m_translator(originals[i]);
        if (shown[i] != text) combo->setItemText(i, shown[i]);  // keeps the item's data
    }
    combo->setProperty(OriginalKey("items").constData(), originals);
    combo->setProperty(ShownKey("items").constData(), shown);
    if (combo->currentIndex() != selected) combo->setCurrentIndex(selected);
}

void CTranslationFilter::TranslateToolTip(QWidget* widget) {
    if (!widget || IsExcluded(widget)) return;
    const QString tip = widget->toolTip();
    if (tip.isEmpty()) return;
    const QString translated = Remembered(widget, "tooltip", tip);
    if (translated != tip) widget->setToolTip(translated);
}

void CTranslationFilter::WatchMenu(QMenu* menu) {
    if (menu->property(kMenuWatched).toBool()) return;
    menu->setProperty(kMenuWatched, true);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { TranslateMenu(menu); });
}

bool CTranslationFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::Polish && type != QEvent::Show && type != QEvent::ToolTip) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    if (type == QEvent::ToolTip) {
        TranslateToolTip(widget);
        return false;
    }
    if (auto* menu = qobject_cast<QMenu*>(widget)) {
        WatchMenu(menu);
        TranslateMenu(menu);
        return false;
    }
    if (widget->isWindow()) TranslateWindowTitle(widget);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        TranslateComboBox(combo);
    } else if (type == QEvent::Polish && !widget->isWindow() &&
               qobject_cast<QDialog*>(widget->window())) {
        TranslateWidgetText(widget);
    }
    return false;
}
