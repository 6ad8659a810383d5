#pragma once

#include "forms/repair/RepairDetailForm.h"
#include "ui/kit/FieldMap.h"

#include <QDialog>
#include <QHash>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class RepairPartList;
struct AppContext;

// "维修明细": everything about one job on four pages; the super user may update it.
class TForm_repairDetail : public QDialog
{
    Q_OBJECT
public:
    TForm_repairDetail(AppContext &ctx, const QString &customer, const QString &number,
                       const QString &stockOutBill = QString(), QWidget *parent = nullptr);

    RepairDetailForm &form() { return m_form; }

    QTabWidget *pages;
    QTableView *partsGrid;
    QCheckBox *dispatchedBox, *warrantyBox;
    QPushButton *updateButton, *printButton, *closeButton;
    // An input of a page by its caption ("当前状态：", "客户名称：", "配件费：" ...).
    QWidget *input(const QString &page, const QString &caption) const;
    QString text(const QString &page, const QString &caption) const;
    void setText(const QString &page, const QString &caption, const QString &text);

    void onUpdate();
    void onPrint();

private:
    void fill();

    AppContext &m_ctx;
    RepairDetailForm m_form;
    QHash<QString, QWidget *> m_inputs; // page + "/" + caption
    ScreenKit *m_keys = nullptr;
    FieldMap m_fields; // the job and customer fields of the first three pages
    RepairPartList *m_partLines = nullptr;
};
