#pragma once

#include "core/stock/StockSheetRow.h"
#include "forms/lists/ListForm.h"

// "当前库存": the stock rows on the list mechanism (seven searches and the entry "低于警戒库存",
// the tick box that hides rows without stock, warning rows drawn red), the total stock value,
// what the two printouts list and who may correct a row.
//
// The printouts list the rows of the last list made by a search or a choice in the mode box; a
// screen opened in its normal view prints the rows with stock (库存 > 0) until then, whatever it
// shows.
class CurStockForm : public ListForm
{
public:
    explicit CurStockForm(AppContext &ctx, RightsTable::Access access = RightsTable::Access::Full);

    static ListDeclaration declaration();
    static const QString WarningLabel;       // "低于警戒库存"
    static const QString QuantitySearchLabel; // "按库存量搜索"

    // On show: the total value, then the warning view (the list "低于警戒库存") while the
    // program's StockWarningMode is set, else every row.
    void open();
    bool warningView() const { return m_warningView; }
    // "库存总金额：", in whole yuan.
    QString totalValueText() const { return m_totalValue; }

    // "不显示零库存配件": from the next list on, only rows with stock.
    void setHideZero(bool hide);

    // "更新库存": true when the operator may correct stock, else the refusal is shown.
    bool mayCorrect() const;
    QString partNo(int row) const;
    // "附注：" of the row, read from the file.
    QString remarks(int row) const;

    // The rows the printouts list, in list order.
    QList<StockSheetRow> printRows() const;
    // "当前日期：" + today as 年月日 without leading zeros.
    QString printDateText() const;

protected:
    void listed() override;

private:
    AppContext &m_ctx;
    QString m_totalValue;
    bool m_warningView = false;
    std::vector<ListCondition> m_print;
};
