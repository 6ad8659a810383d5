#pragma once

#include "forms/catalogs/PartsPickerForm.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;
class QAbstractTableModel;
class ScreenKit;

// "请选择配件": the part picker. Callers use choose(), which shows it modally and hands back the
// chosen part, or nullopt when the window was closed without a choice.
class TForm_fittings : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_fittings(AppContext &ctx, QWidget *parent = nullptr);

    static std::optional<PartChoice> choose(AppContext &ctx, QWidget *parent = nullptr);

    const std::optional<PartChoice> &chosen() const { return m_chosen; }
    PartsPickerForm &form() { return m_form; }

    QComboBox *categoryBox = nullptr;
    QLineEdit *searchBox = nullptr;
    QPushButton *findButton = nullptr;
    QTableView *grid = nullptr;

    // A click on a cell or Enter in the grid: takes that row and closes (nothing on an empty grid).
    void chooseRow(int row);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void onFind();
    void fillGrid();

    PartsPickerForm m_form;
    QAbstractTableModel *m_model = nullptr;
    std::optional<PartChoice> m_chosen;
    ScreenKit *m_keys = nullptr;
    bool m_loaded = false;
};
