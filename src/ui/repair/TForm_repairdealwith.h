#pragma once

#include "forms/repair/RepairDealWithForm.h"
#include "ui/repair/RepairQueueScreen.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QPushButton;
class RepairPartsPanel;

// "维修处理": the queue of jobs awaiting repair, with the current job's part lines, fees,
// customer's confirmation, repair condition and summary, and the buttons that dispatch it, pass it
// to settlement, send it back to check or cancel it.
class TForm_repairdealwith : public RepairQueueScreen
{
    Q_OBJECT
public:
    // access: how the screen was opened (OwnOnly: the technician's own jobs only).
    TForm_repairdealwith(AppContext &ctx, RightsTable::Access access, QWidget *parent = nullptr);
    ~TForm_repairdealwith() override;

    RepairDealWithForm &form() { return m_form; }

    RepairPartsPanel *parts;
    QCheckBox *confirmedBox;
    QComboBox *conditionBox;
    QPushButton *editConditionsButton;
    QPlainTextEdit *summaryEdit;
    QPushButton *settleButton, *backButton, *cancelButton, *dispatchButton;

    // How the dispatch bill is shown; the print preview unless replaced.
    std::function<void(const RepairJob &)> showDispatchBill;

    void onSettle();
    void onBack();
    void onCancel();
    void onDispatch();

private:
    void showJob() override;
    // The summary.
    void saveEdits() override;
    void saveConfirmed();
    void saveCondition();

    RepairDealWithForm m_form;
};
