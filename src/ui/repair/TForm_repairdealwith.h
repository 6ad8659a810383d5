#pragma once

#include "forms/repair/RepairDealWithForm.h"

#include <QWidget>
#include <functional>
#include <optional>

class ListScreen;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class RepairPartsPanel;
class ScreenKit;

// "维修处理": the queue of jobs awaiting repair, with the current job's part lines, fees,
// customer's confirmation, repair condition and summary, and the buttons that dispatch it, pass it
// to settlement, send it back to check or cancel it.
class TForm_repairdealwith : public QWidget
{
    Q_OBJECT
public:
    // access: how the screen was opened (OwnOnly: the technician's own jobs only).
    TForm_repairdealwith(AppContext &ctx, RightsTable::Access access, QWidget *parent = nullptr);
    ~TForm_repairdealwith() override;

    RepairDealWithForm &form() { return m_form; }

    ListScreen *list;
    QLineEdit *searchBox;
    QComboBox *searchModeBox;
    QPushButton *findButton;
    QTableView *grid;
    RepairPartsPanel *parts;
    QLineEdit *partsFeeEdit, *labourFeeEdit, *extraFeeEdit, *totalEdit;
    QCheckBox *confirmedBox;
    QComboBox *conditionBox;
    QPushButton *editConditionsButton;
    QPlainTextEdit *summaryEdit;
    QPushButton *settleButton, *backButton, *cancelButton, *dispatchButton;

    // How the dispatch bill is shown; the print preview unless replaced.
    std::function<void(const RepairJob &)> showDispatchBill;

    int currentRow() const;
    void onSettle();
    void onBack();
    void onCancel();
    void onDispatch();
    void openDetail();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showRow(int row);
    void showJob();
    void showFees();
    void reloadJob();
    void flush();
    bool saveFees(bool refocus = true);
    void saveConfirmed();
    void saveCondition();

    AppContext &m_ctx;
    RepairDealWithForm m_form;
    ScreenKit *m_keys;
    int m_row = -1;
    std::optional<RepairJob> m_job;
};
