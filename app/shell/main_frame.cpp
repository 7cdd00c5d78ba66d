#include "shell/main_frame.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMimeData>
#include <QSettings>
#include <QShortcut>
#include <QStatusBar>

#include "model/events/event_codes.h"
#include "model/events/event_receiver.h"
#include "model/records/case.h"
#include "plumbing/ribbon/ribbon_bar.h"
#include "plumbing/text/code_page.h"
#include "plumbing/translation/translation_filter.h"
#include "plumbing/widgets/hyperlink_label.h"
#include "shell/case_view.h"
#include "shell/patient_bar.h"
#include "shell/ribbon_layout.h"
#include "shell/shell_icons.h"
#include "views/case_host.h"
#include "views/window_texts.h"

namespace {
using views::Localized;

constexpr const char* kStateGroup = "MainFrame";
}  // namespace

CMainFrame::CMainFrame(CCommandRegistry& commands, const QString& linkText,
                       const QString& linkUrl, QWidget* parent)
    : QMainWindow(parent), m_commands(commands) {
    setObjectName(QStringLiteral("MainFrame"));
    setWindowIcon(ShellIcon(ShellIconKind::Application));
    // The title carries the patient's name: data, not interface text.
    CTranslationFilter::ExcludeFromTranslation(this);

    m_ribbon = new CRibbonBar(m_commands, this);
    BuildRibbon(*m_ribbon);
    setMenuWidget(m_ribbon);

    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("MdiArea"));
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setBackground(QColor(171, 178, 190));
    setCentralWidget(m_mdiArea);

    CreateStatusBar(linkText, linkUrl);

    m_patientBar = new CPatientBar(this);
    addDockWidget(Qt::LeftDockWidgetArea, m_patientBar);
    resizeDocks({m_patientBar}, {300}, Qt::Horizontal);

    setAcceptDrops(true);

    auto* focusCase = new QShortcut(QKeySequence(Qt::Key_F5), this);
    focusCase->setContext(Qt::WindowShortcut);
    connect(focusCase, &QShortcut::activated, this, [this] {
        m_patientBar->show();
        m_patientBar->raise();
        CaseView()->setFocus(Qt::ShortcutFocusReason);
    });

    m_receiver = std::make_unique<CEventReceiver>([this](unsigned code) {
        if (code == EV_CASE_MODIFIED) UpdateTitle();
    });
    UpdateTitle();
}

CMainFrame::~CMainFrame() = default;

CCaseView* CMainFrame::CaseView() const { return m_patientBar->CaseView(); }

void CMainFrame::CreateStatusBar(const QString& linkText, const QString& linkUrl) {
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(true);
    m_statusLink = new CHyperlinkLabel(linkText, QUrl(linkUrl),
                                       Localized("Link to Meridane Suite home page"), bar);
    m_statusLink->setObjectName(QStringLiteral("StatusLink"));
    m_statusLink->setContentsMargins(6, 0, 6, 0);
    CTranslationFilter::ExcludeTextFromTranslation(m_statusLink);
    bar->addWidget(m_statusLink);

    auto* separator = new QFrame(bar);
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    bar->addWidget(separator);

    // The group where views put their shortcut buttons; empty for now.
    m_viewShortcuts = new QWidget(bar);
    m_viewShortcuts->setObjectName(QStringLiteral("ViewShortcuts"));
    m_viewShortcuts->setAccessibleName(Localized("View Shortcuts"));
    auto* shortcuts = new QHBoxLayout(m_viewShortcuts);
    shortcuts->setContentsMargins(0, 0, 0, 0);
    shortcuts->setSpacing(2);
    bar->addPermanentWidget(m_viewShortcuts);
}

QString CMainFrame::TitleFor(const CCase* theCase, bool modified) {
    if (theCase == nullptr) return QStringLiteral("Meridane Suite");
    return QStringLiteral("Meridane Suite [%1%2]")
        .arg(plumbing::DecodeCodePage(theCase->GetPatientInfo().m_name),
             modified ? QStringLiteral("*") : QString());
}

void CMainFrame::UpdateTitle() {
    CCaseHost* host = CCaseHost::Current();
    const CCase* theCase = host != nullptr ? host->CurrentCase() : nullptr;
    setWindowTitle(TitleFor(theCase, theCase != nullptr && host->IsCaseModified()));
}

void CMainFrame::RefreshCase() {
    UpdateTitle();
    CaseView()->Invalidate();
}

void CMainFrame::RestoreWindowState() {
    QSettings settings(QStringLiteral("Meridane"), QStringLiteral("Meridane"));
    settings.beginGroup(QLatin1String(kStateGroup));
    const QByteArray geometry = settings.value(QStringLiteral("Geometry")).toByteArray();
    if (geometry.isEmpty() || !restoreGeometry(geometry)) resize(1200, 760);
    restoreState(settings.value(QStringLiteral("State")).toByteArray());
}

void CMainFrame::SaveWindowState() const {
    QSettings settings(QStringLiteral("Meridane"), QStringLiteral("Meridane"));
    settings.beginGroup(QLatin1String(kStateGroup));
    settings.setValue(QStringLiteral("Geometry"), saveGeometry());
    settings.setValue(QStringLiteral("State"), saveState());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_closeGuard && !m_closeGuard()) {
        event->ignore();
        return;
    }
    SaveWindowState();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    const QMimeData* data = event->mimeData();
    if (data->hasUrls() && !data->urls().isEmpty() && data->urls().first().isLocalFile()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (!url.isLocalFile()) continue;
        event->acceptProposedAction();
        // One case at a time: the first dropped file is opened.
        Q_EMIT FileDropped(url.toLocalFile());
        return;
    }
}
