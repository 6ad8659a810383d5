#pragma once

#include "forms/catalogs/PartsChoice.h"

#include <QString>
#include <memory>

class ListModel;
struct AppContext;

// The part lines of the current job and their editor, as check and quotation and repair handling
// show them: a read-only list of the stored lines and the editor "更换（增加）配件" with its
// number, name, price, quantity and serial boxes and the buttons "添加", "删除", "修改".
//
// The editor is read-only until "添加" or "修改" opens it; the opened button then reads "保存"
// and the other two wait. "保存" checks the boxes (number, name, quantity, price, in that order)
// and writes the line; a new line first asks for the part from stock when stock cannot cover it.
// Every change of the lines recomputes the job's fees (RepairPartLines).
class RepairPartEditor
{
public:
    enum class Mode { ReadOnly, Adding, Modifying };
    // The boxes, as typed (not trimmed).
    struct Values
    {
        QString partNo, name, price, quantity, serial;
    };
    enum class Box { None, PartNo, Name, Price, Quantity, Serial };
    enum class Outcome {
        Nothing, // no job, or nothing to do
        Opened,  // the editor opened: the screen shows values() and focuses the number box
        Refused, // a check failed (message shown); the editor stays open, refusedBox() names the box
        Saved,   // written; the editor is read-only again, the lines and the job's fees changed
    };

    static inline const QString AddCaption = QStringLiteral("添加");
    static inline const QString ModifyCaption = QStringLiteral("修改");
    static inline const QString SaveCaption = QStringLiteral("保存");
    static inline const QString ReadOnlyMessage = QStringLiteral("当前状态为只读状态，请点击“修改”或者“添加”进行编辑！");
    static inline const QString NoNumberMessage = QStringLiteral("配件编号不能为空!");
    static inline const QString NoNameMessage = QStringLiteral("配件名称不能为空!");
    static inline const QString QuantityMessage = QStringLiteral("数量应该为整数！");
    static inline const QString NegativeQuantityMessage = QStringLiteral("数量不能为负数！");
    static inline const QString PriceMessage = QStringLiteral("单价应该为数字！");
    static inline const QString NothingToDeleteMessage = QStringLiteral("没有可以删除的配件！");
    static inline const QString NothingToModifyMessage = QStringLiteral("没有可以修改的配件！");
    static inline const QString RequestQuestion = QStringLiteral("该配件不存在或者库存不足\n是否需要申请？");
    static inline const QString RequestTitle = QStringLiteral("是否需要申请配件");

    explicit RepairPartEditor(AppContext &ctx);
    ~RepairPartEditor();

    // The stored lines of the job ("配件编号", "配件", "单价", "数目", "合计", "SN"), keyed by row.
    ListModel &lines() { return *m_lines; }
    int lineCount() const;

    // The job whose lines are shown (empty: none); the editor closes.
    void setJob(const QString &number);
    QString job() const { return m_job; }
    // Lists the job's lines again.
    void reload();

    Mode mode() const { return m_mode; }
    bool isOpen() const { return m_mode != Mode::ReadOnly; }
    QString addCaption() const { return m_mode == Mode::Adding ? SaveCaption : AddCaption; }
    QString modifyCaption() const { return m_mode == Mode::Modifying ? SaveCaption : ModifyCaption; }
    // What the boxes show: the current line while read-only or modifying; the new line while adding.
    Values values() const { return m_values; }
    Box refusedBox() const { return m_refused; }

    // The current line of the list (-1: none); while read-only the boxes show it.
    void setCurrentLine(int row);
    int currentLine() const { return m_current; }

    // "添加": opens the editor for a new line (empty boxes, quantity 1), or saves it.
    Outcome add(const Values &typed);
    // "修改": opens the editor on the current line, or saves it.
    Outcome modify(const Values &typed);
    // "删除": deletes the current line at once.
    Outcome remove();
    // Back to read-only without saving (the job changed, the list was searched).
    void close();

    // A part chosen in the part picker while the editor is open: number, name, quantity 1 and,
    // when the catalog holds the part, its "维修更换价" as the price (priceFound()).
    Values picked(const Values &typed, const PartChoice &part);
    bool priceFound() const { return m_priceFound; }

private:
    Values lineValues(int row) const;
    Outcome save(const Values &typed);

    AppContext &m_ctx;
    std::unique_ptr<ListModel> m_lines;
    QString m_job;
    Mode m_mode = Mode::ReadOnly;
    Values m_values;
    Box m_refused = Box::None;
    int m_current = -1;
    bool m_priceFound = false;
};
