#include "views/materia/author_info_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "model/lang/localize.h"
#include "plumbing/text/code_page.h"
#include "plumbing/translation/translation_filter.h"
#include "views/window_texts.h"

namespace materia {
namespace {

AuthorInfoEditor& Editor() {
    static AuthorInfoEditor editor;
    return editor;
}

}  // namespace

bool EditAuthorInfoInDialog(QWidget* parent, const QString& caption, CAuthorInfo* info) {
    if (Editor()) return Editor()(parent, caption, info);
    CAuthorInfoDialog dialog(parent, caption, *info);
    if (dialog.exec() != QDialog::Accepted) return false;
    *info = dialog.Info();
    return true;
}

AuthorInfoEditor SetAuthorInfoEditor(AuthorInfoEditor editor) {
    AuthorInfoEditor before = std::move(Editor());
    Editor() = std::move(editor);
    return before;
}

CAuthorInfoDialog::CAuthorInfoDialog(QWidget* parent, const QString& caption,
                                     const CAuthorInfo& info)
    : QDialog(parent),
      m_name(new QLineEdit(plumbing::DecodeCodePage(info.m_name), this)),
      m_author(new QLineEdit(plumbing::DecodeCodePage(info.m_author), this)),
      m_description(new QPlainTextEdit(plumbing::DecodeCodePage(info.m_description), this)) {
    setWindowTitle(caption);
    // Everything here is translated already; the user's texts stay as typed.
    CTranslationFilter::ExcludeFromTranslation(this);
    m_description->setTabChangesFocus(true);
    m_description->setMinimumSize(320, 90);
    auto* form = new QFormLayout(this);
    auto label = [this](const char* text) {
        auto* shown = new QLabel(views::Localized(text), this);
        CTranslationFilter::ExcludeFromTranslation(shown);
        return shown;
    };
    form->addRow(label(TextKey("Name:")), m_name);
    form->addRow(label(TextKey("Author:")), m_author);
    form->addRow(label(TextKey("Description:")), m_description);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    for (auto [which, text] : {std::pair{QDialogButtonBox::Ok, TextKey("OK")},
                               std::pair{QDialogButtonBox::Cancel, TextKey("Cancel")}}) {
        QPushButton* button = buttons->button(which);
        button->setText(views::Localized(text));
        CTranslationFilter::ExcludeFromTranslation(button);
    }
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_name->selectAll();
}

CAuthorInfo CAuthorInfoDialog::Info() const {
    CAuthorInfo info;
    info.m_name = plumbing::EncodeCp1251(m_name->text().trimmed());
    info.m_author = plumbing::EncodeCp1251(m_author->text().trimmed());
    info.m_description = plumbing::EncodeCp1251(m_description->toPlainText().trimmed());
    return info;
}

}  // namespace materia
