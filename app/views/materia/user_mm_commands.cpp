#include "views/materia/user_mm_commands.h"

#include <corvela.h>

#include <QDir>
#include <QFileInfo>

#include "model/core/program_paths.h"
#include "model/events/event_client.h"
#include "model/events/event_codes.h"
#include "model/lang/localize.h"
#include "plumbing/text/code_page.h"
#include "plumbing/widgets/dialog_service.h"
#include "views/materia/author_info_dialog.h"
#include "views/materia/user_materia_medicas.h"
#include "views/window_host.h"
#include "views/window_texts.h"

namespace materia {
namespace {

using views::Localized;

constexpr const char* kFilter = TextKey("{Materia medica} (*.mmb)|*.mmb|{All Files} *.*|*.*||");

QWidget* Parent(QWidget* parent) {
    if (parent != nullptr) return parent;
    CWindowHost* host = CWindowHost::Current();
    return host != nullptr ? host->MainWindow() : nullptr;
}

CDialogService& Dialogs() {
    return CDialogService::Current();
}

QString Caption() {
    return Localized("Materia Medica");
}

// Paths reach the engine as the file system spells them.
std::string ToPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}
QString FromPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

CFileDialogRequest FileRequest(const char* caption) {
    CFileDialogRequest request;
    request.caption = Localized(caption);
    request.filters = CDialogService::FiltersFromPairs(Localized(kFilter, 0));
    request.defaultSuffix = QStringLiteral("mmb");
    return request;
}

QString SourceName(DataSource& source) {
    const char* name = source.GetName();
    return name != nullptr && *name != '\0' ? plumbing::DecodeCodePage(name)
                                            : Localized("Untitled");
}

// A file name proposed for a source never saved: its name without the
// characters file names cannot hold.
QString ProposedFileName(DataSource& source) {
    QString name = SourceName(source);
    for (QChar& c : name)
        if (QStringLiteral("\\/:*?\"<>|#%;").contains(c)) c = QLatin1Char('_');
    return name.trimmed() + QStringLiteral(".mmb");
}

// Where a source never saved is proposed to go: NAME.mmb in the user data
// folder (made when missing), a number added while that name is taken.
QString ProposedPath(DataSource& source) {
    const std::string path = NewUserMateriaMedicaPath(SourceName(source).toStdString());
    if (!path.empty()) return FromPath(path);
    return QDir(FromPath(UserMateriaMedicaFolder())).filePath(ProposedFileName(source));
}

}  // namespace

DataSource* NewMateriaMedica(QWidget* parent) {
    CAuthorInfo info;
    info.m_name = Localize("My Materia Medica", 1);
    if (!EditAuthorInfoInDialog(Parent(parent), Localized("New Materia Medica..."), &info))
        return nullptr;
    DataSource* created = CUserMateriaMedicas::Get().Create(info);
    if (created == nullptr) {
        Dialogs().ShowMessage(Parent(parent), Caption(), Localized("No more sources can be loaded"),
                              CDialogService::MessageKind::Error);
        return nullptr;
    }
    BroadcastEvent(EV_UPDATE_MATERIA_MEDICA);
    return created;
}

DataSource* OpenMateriaMedica(QWidget* parent) {
    CFileDialogRequest request = FileRequest(TextKey("Open Materia Medica..."));
    request.initialPath = FromPath(UserMateriaMedicaFolder());
    const QString path = Dialogs().ChooseFileToOpen(Parent(parent), request);
    if (path.isEmpty()) return nullptr;
    std::string why, detail;
    DataSource* opened = CUserMateriaMedicas::Get().OpenShared(ToPath(path), &why, &detail);
    if (opened == nullptr) {
        QString text = Localized("The materia medica could not be added:") + QLatin1Char('\n') +
                       QDir::toNativeSeparators(path) + QStringLiteral("\n\n") +
                       Localized(why.c_str());
        if (!detail.empty()) text += QStringLiteral(": ") + plumbing::DecodeCodePage(detail);
        Dialogs().ShowMessage(Parent(parent), Caption(), text,
                              CDialogService::MessageKind::Warning);
        return nullptr;
    }
    BroadcastEvent(EV_UPDATE_MATERIA_MEDICA);
    return opened;
}

bool SaveMateriaMedica(QWidget* parent, DataSource& source) {
    const char* path = source.GetFilePath();
    if (path == nullptr || *path == '\0' || !QFileInfo(FromPath(path)).isWritable())
        return SaveMateriaMedicaAs(parent, source);
    std::string why;
    const bool saved = CUserMateriaMedicas::Get().Save(source, path, &why);
    if (!saved) {
        Dialogs().ShowMessage(Parent(parent), Caption(),
                              Localized("The materia medica could not be saved:") +
                                  QLatin1Char('\n') + QString::fromStdString(why) +
                                  QStringLiteral("\n\n") +
                                  Localized("Your changes are kept; save them elsewhere."),
                              CDialogService::MessageKind::Error);
    }
    BroadcastEvent(EV_UPDATE_MATERIA_MEDICA);
    return saved;
}

bool SaveMateriaMedicaAs(QWidget* parent, DataSource& source) {
    CFileDialogRequest request = FileRequest(TextKey("Save Materia Medica As..."));
    const char* current = source.GetFilePath();
    request.initialPath =
        current != nullptr && *current != '\0' ? FromPath(current) : ProposedPath(source);
    const QString path = Dialogs().ChooseFileToSave(Parent(parent), request);
    if (path.isEmpty()) return false;
    std::string why;
    const bool saved = CUserMateriaMedicas::Get().Save(source, ToPath(path), &why);
    if (!saved) {
        Dialogs().ShowMessage(Parent(parent), Caption(),
                              Localized("The materia medica could not be saved:") +
                                  QLatin1Char('\n') + QString::fromStdString(why) +
                                  QStringLiteral("\n\n") +
                                  Localized("Your changes are kept; save them elsewhere."),
                              CDialogService::MessageKind::Error);
    }
    BroadcastEvent(EV_UPDATE_MATERIA_MEDICA);
    return saved;
}

bool EditAuthorInfo(QWidget* parent, DataSource& source) {
    CUserMateriaMedicas& sources = CUserMateriaMedicas::Get();
    CAuthorInfo info = sources.Info(&source);
    const CAuthorInfo before = info;
    if (!EditAuthorInfoInDialog(Parent(parent), Localized("Edit autor info"), &info) ||
        info == before)
        return false;
    sources.SetInfo(source, info);
    BroadcastEvent(EV_UPDATE_MATERIA_MEDICA);
    return true;
}

bool ConfirmUnsavedMateriaMedicas(QWidget* parent) {
    CUserMateriaMedicas& sources = CUserMateriaMedicas::Get();
    const std::vector<DataSource*> modified = sources.ModifiedSources();
    if (modified.empty()) return true;
    QString text = Localized("Save the changes to your materia medica?") + QLatin1Char('\n');
    for (DataSource* source : modified) text += QStringLiteral("\n    ") + SourceName(*source);
    switch (Dialogs().AskYesNoCancel(Parent(parent), Localized("Attantion"), text)) {
        case CDialogService::Answer::Yes:
            for (DataSource* source : modified)
                if (!SaveMateriaMedica(parent, *source)) return false;
            return true;
        case CDialogService::Answer::No:
            for (DataSource* source : modified) sources.Discard(*source);
            BroadcastEvent(EV_UPDATE_MATERIA_MEDICA);
            return true;
        case CDialogService::Answer::Cancel:
            break;
    }
    return false;
}

}  // namespace materia
