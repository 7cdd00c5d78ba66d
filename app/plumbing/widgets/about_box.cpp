#include "plumbing/widgets/about_box.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include "plumbing/translation/translation_filter.h"
#include "plumbing/widgets/hyperlink_label.h"

CAboutBox::CAboutBox(const QString& version, const QUrl& url, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About %1").arg(ProductName()));
    setObjectName(QStringLiteral("AboutBox"));

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);

    auto* name = new QLabel(ProductName(), this);
    name->setObjectName(QStringLiteral("ProductName"));
    QFont large = name->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() > 0 ? large.pointSizeF() * 1.4 : 14);
    name->setFont(large);
    CTranslationFilter::ExcludeTextFromTranslation(name);

    auto* versionLabel = new QLabel(QStringLiteral("Version %1").arg(version), this);
    versionLabel->setObjectName(QStringLiteral("Version"));
    CTranslationFilter::ExcludeTextFromTranslation(versionLabel);

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(versionLabel);
    if (!url.isEmpty()) {
        m_link = new CHyperlinkLabel(url.toString(), url, url.toString(), this);
        text->addWidget(m_link);
    }
    text->addStretch(1);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addLayout(text, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
