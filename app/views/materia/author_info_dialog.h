// The dialog of "New Materia Medica..." and "Edit autor info": the name, the
// author and the description of a user's materia medica.  Tests replace it
// (SetAuthorInfoEditor) to answer without a window.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "views/materia/user_materia_medicas.h"

class QLineEdit;
class QPlainTextEdit;

namespace materia {

// Shows `info` for editing under `caption`; true with the edited `info` on OK.
using AuthorInfoEditor =
    std::function<bool(QWidget* parent, const QString& caption, CAuthorInfo* info)>;

// The editor in use: the one set last, else the dialog below.
bool EditAuthorInfoInDialog(QWidget* parent, const QString& caption, CAuthorInfo* info);
// Replaces the editor (empty: the dialog again); returns the one before.
AuthorInfoEditor SetAuthorInfoEditor(AuthorInfoEditor editor);

class CAuthorInfoDialog : public QDialog {
    Q_OBJECT
public:
    CAuthorInfoDialog(QWidget* parent, const QString& caption, const CAuthorInfo& info);

    // What the fields hold (code page 1251).
    CAuthorInfo Info() const;

private:
    QLineEdit* m_name;
    QLineEdit* m_author;
    QPlainTextEdit* m_description;
};

}  // namespace materia
