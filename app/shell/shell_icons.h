// The pictures of the shell's commands and panes, drawn in code at 16 and 32
// pixels so that they stay sharp on the ribbon's large and small buttons.
#pragma once

#include <QIcon>

enum class ShellIconKind {
    Application,
    NewCase,
    OpenCase,
    SaveCase,
    SaveCaseAs,
    CloseCase,
    Exit,
    Visit,
    Episode,
    CheckPrescription,
    Note,
    Phone,
    PatientCard,
    Analysis,
    Prescription,
    RepertoryRed,
    RepertoryBlue,
    Repertories,
    MateriaMedica,
    Search,
    Web,
    Podcasts,
    About,
    Help,
    PrintChart,
    ExportPdf,
    ExportPng,
};

// The icon of `kind`; QGuiApplication must exist.
QIcon ShellIcon(ShellIconKind kind);
