#pragma once

#include "forms/repair/CheckForm.h"
#include "ui/repair/RepairQueueScreen.h"

#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;
class RepairPartsPanel;

// "检测报价": the queue of jobs awaiting their check, with the part lines of the current job, its
// quotation and technician, "完成" and the pickup receipt ("凭证").
class TForm_check : public RepairQueueScreen
{
    Q_OBJECT
public:
    // access: how the screen was opened (OwnOnly: the technician's own jobs only).
    TForm_check(AppContext &ctx, RightsTable::Access access, QWidget *parent = nullptr);
    ~TForm_check() override;

    CheckForm &form() { return m_form; }

    RepairPartsPanel *parts;
    QComboBox *technicianBox;
    QLineEdit *extraNoteEdit;
    QPushButton *itemPickButton, *finishButton, *receiptButton;

    // How the receipt is shown; the print preview unless replaced.
    std::function<void(const RepairJob &)> showReceipt;

    void onFinish();
    void onReceipt();
    void onPickItem();

private:
    void showJob() override;
    // The extra-fee note.
    void saveEdits() override;

    CheckForm m_form;
};
