#include "plumbing/widgets/dialog_service.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace {

CDialogService*& Installed() {
    static CDialogService* service = nullptr;
    return service;
}

}  // namespace

CDialogService::~CDialogService() = default;

CDialogService& CDialogService::Current() {
    static CStandardDialogService standard;
    return Installed() ? *Installed() : standard;
}

CDialogService* CDialogService::SetCurrent(CDialogService* service) {
    CDialogService* previous = Installed();
    Installed() = service;
    return previous;
}

QStringList CDialogService::FiltersFromPairs(const QString& pairs) {
    static const QRegularExpression kTrailingPatterns(QStringLiteral("\\s*\\(([^()]*)\\)\\s*$"));
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        if (description.isEmpty()) break;  // the closing "||"
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString pattern = p.trimmed();
            patterns.append(pattern == QStringLiteral("*.*") ? QStringLiteral("*") : pattern);
        }
        if (patterns.isEmpty()) patterns.append(QStringLiteral("*"));
        const QString wanted = patterns.join(QLatin1Char(' '));
        const QRegularExpressionMatch match = kTrailingPatterns.match(description);
        if (match.hasMatch()) {
            if (match.captured(1).simplified() == wanted) {
                filters.append(description);
                continue;
            }
            description.truncate(match.capturedStart());
        }
        filters.append(QStringLiteral("%1 (%2)").arg(description, wanted));
    }
    return filters;
}

QString CStandardDialogService::ChooseFileToOpen(QWidget* parent, const CFileDialogRequest& r) {
    QFileDialog dialog(parent, r.caption, r.initialPath);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(r.filters);
    if (r.selectedFilter >= 0 && r.selectedFilter < r.filters.size()) {
        dialog.selectNameFilter(r.filters[r.selectedFilter]);
    }
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

QString CStandardDialogService::ChooseFileToSave(QWidget* parent, const CFileDialogRequest& r) {
    QFileDialog dialog(parent, r.caption);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(r.filters);
    if (r.selectedFilter >= 0 && r.selectedFilter < r.filters.size()) {
        dialog.selectNameFilter(r.filters[r.selectedFilter]);
    }
    dialog.setDefaultSuffix(r.defaultSuffix);
    if (!r.initialPath.isEmpty()) dialog.selectFile(r.initialPath);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

CDialogService::Answer CStandardDialogService::AskYesNoCancel(QWidget* parent,
                                                              const QString& caption,
                                                              const QString& text) {
    const auto button = QMessageBox::question(
        parent, caption, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
        QMessageBox::Yes);
    if (button == QMessageBox::Yes) return Answer::Yes;
    if (button == QMessageBox::No) return Answer::No;
    return Answer::Cancel;
}

bool CStandardDialogService::AskYesNo(QWidget* parent, const QString& caption,
                                      const QString& text) {
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void CStandardDialogService::ShowMessage(QWidget* parent, const QString& caption,
                                         const QString& text, MessageKind kind) {
    switch (kind) {
        case MessageKind::Information:
            QMessageBox::information(parent, caption, text);
            break;
        case MessageKind::Warning:
            QMessageBox::warning(parent, caption, text);
            break;
        case MessageKind::Error:
            QMessageBox::critical(parent, caption, text);
            break;
    }
}
