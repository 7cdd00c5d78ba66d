// CPrescriptionView: the view of a prescription window, one
// CPrescriptionEditView filling it.
#pragma once

#include <QWidget>

class CPrescriptionDoc;
class CPrescriptionEditView;

class CPrescriptionView : public QWidget {
    Q_OBJECT
public:
    // The document must be bound (Bind) to its prescription.
    explicit CPrescriptionView(CPrescriptionDoc& document, QWidget* parent = nullptr);
    ~CPrescriptionView() override;

    CPrescriptionEditView* EditView() const { return m_edit; }

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    CPrescriptionEditView* m_edit;
};
