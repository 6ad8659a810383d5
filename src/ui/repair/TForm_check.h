#pragma once

#include "forms/repair/CheckForm.h"

#include <QWidget>
#include <functional>
#include <optional>

class ListScreen;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;
class RepairPartsPanel;
class ScreenKit;

// "检测报价": the queue of jobs awaiting their check, with the part lines of the current job, its
// quotation and technician, "完成" and the pickup receipt ("凭证").
class TForm_check : public QWidget
{
    Q_OBJECT
public:
    // access: how the screen was opened (OwnOnly: the technician's own jobs only).
    TForm_check(AppContext &ctx, RightsTable::Access access, QWidget *parent = nullptr);
    ~TForm_check() override;

    CheckForm &form() { return m_form; }

    ListScreen *list;
    QLineEdit *searchBox;
    QComboBox *searchModeBox;
    QPushButton *findButton;
    QTableView *grid;
    RepairPartsPanel *parts;
    QComboBox *technicianBox;
    QLineEdit *partsFeeEdit, *extraFeeEdit, *labourFeeEdit, *totalEdit, *extraNoteEdit;
    QPushButton *itemPickButton, *finishButton, *receiptButton;

    // How the receipt is shown; the print preview unless replaced.
    std::function<void(const RepairJob &)> showReceipt;

    int currentRow() const;
    void onFinish();
    void onReceipt();
    void onPickItem();
    void openDetail();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showRow(int row);
    void showJob();
    void showFees();
    // The shown job read again (fees changed), keeping the note being typed.
    void reloadJob();
    // The edits of the shown job not yet written (fees, extra-fee note), written now.
    void flush();
    // The typed fees written when they changed; false (message shown) when one is not an amount.
    bool saveFees(bool refocus = true);

    AppContext &m_ctx;
    CheckForm m_form;
    ScreenKit *m_keys;
    int m_row = -1;
    std::optional<RepairJob> m_job;
};
