// CPrescriptionEditView: the rich-text editor of a prescription window, bound
// to a prescription document.  It shows the prescription's "Prescription"
// text and writes it back on focus loss and after Enter, Delete and
// Backspace (CCaseTextEdit).
#pragma once

#include "views/editors/case_text_edit.h"

class CPrescriptionDoc;

class CPrescriptionEditView : public CCaseTextEdit {
    Q_OBJECT
public:
    // The document must be bound (Bind) to its prescription.
    explicit CPrescriptionEditView(CPrescriptionDoc& document, QWidget* parent = nullptr);
    ~CPrescriptionEditView() override;
};
