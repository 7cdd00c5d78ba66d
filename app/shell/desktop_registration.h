// The case file type on the desktop: an XDG desktop entry for the program and
// a shared-mime-info package that names "*.hom" files "Meridane Suite
// Patient Case file".  The install step puts both into the system's data
// folders; at start-up the program writes them into the user's data folder
// when they are missing there, and never fails because of them.
#pragma once

#include <QString>

struct CCaseFileType {
    static constexpr const char* kMimeType = "application/x-meridane-case";
    static constexpr const char* kProgrammaticId = "Meridane Suite.Project";
    static constexpr const char* kDescription = "Meridane Suite Patient Case file";
    static constexpr const char* kDesktopFileName = "meridane.desktop";
    static constexpr const char* kMimePackageName = "meridane-case.xml";
};

// The desktop entry that opens case files with `executable` (its path
// quoted and escaped as the desktop entry format requires).
QString DesktopEntryText(const QString& executable);

// The shared-mime-info package of the case file type.
QString MimePackageText();

// `argument` as one quoted argument of an Exec line, in the escaped form a
// desktop entry's string value takes.
QString QuoteExecArgument(const QString& argument);

// What RegisterCaseFileType wrote.
struct CRegistrationResult {
    bool wroteDesktopEntry = false;
    bool wroteMimePackage = false;
};

// Writes "applications/meridane.desktop" and "mime/packages/meridane-case.xml"
// below `dataHome` ($XDG_DATA_HOME, else ~/.local/share, when empty), each
// only when it is missing; a file that cannot be written is left out
// silently.  When the mime package was written into the user's own folder
// (`dataHome` empty), the user's mime database is brought up to date in the
// background (when update-mime-database exists).
CRegistrationResult RegisterCaseFileType(const QString& executable,
                                         const QString& dataHome = QString());
