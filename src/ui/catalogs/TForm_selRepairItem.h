#pragma once

#include "forms/catalogs/RepairItemChoice.h"

#include <QDialog>
#include <QList>
#include <optional>

struct AppContext;
class QTableWidget;

// "选择维修项目": the repair-item picker over "维修项目目录". Callers use choose(): the chosen
// item, or nullopt when the window was closed without a choice or the catalog is empty.
class TForm_selRepairItem : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_selRepairItem(AppContext &ctx, QWidget *parent = nullptr);

    static std::optional<RepairItemChoice> choose(AppContext &ctx, QWidget *parent = nullptr);

    const std::optional<RepairItemChoice> &chosen() const { return m_chosen; }
    QTableWidget *grid = nullptr;

    // Double-click or Enter: the current row (the first when none is current); closes.
    void chooseCurrent();

private:
    QList<RepairItemChoice> m_items;
    std::optional<RepairItemChoice> m_chosen;
};
