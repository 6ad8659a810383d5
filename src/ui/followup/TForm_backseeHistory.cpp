#include "ui/followup/TForm_backseeHistory.h"

#include "forms/app/AppContext.h"
#include "ui/kit/ScreenKit.h"
#include "ui/lists/ListScreen.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
const QString VisitTab = QStringLiteral("回访情况");
const QString CustomerTab = QStringLiteral("客户情况");
const QString BusinessTab = QStringLiteral("业务信息");
}

TForm_backseeHistory::TForm_backseeHistory(AppContext &ctx, QWidget *parent) : ListPage(ctx, parent), m_form(ctx)
{
    setWindowTitle(QStringLiteral("历史回访"));
    auto *layout = new QVBoxLayout(this);
    makeList(m_form);
    layout->addWidget(list, 1);

    detailTabs = new QTabWidget(this);
    auto tab = [this](const QString &name, const QList<const char *> &captions) {
        auto *w = new QWidget;
        auto *g = new QGridLayout(w);
        for (int i = 0; i < captions.size(); ++i) {
            auto *edit = new QLineEdit(w);
            edit->setReadOnly(true);
            ScreenKit::showReadOnly(edit);
            const QString caption = QString::fromUtf8(captions.at(i));
            g->addWidget(ScreenKit::caption(edit, caption), i / 3, (i % 3) * 2);
            g->addWidget(edit, i / 3, (i % 3) * 2 + 1);
            m_shown.insert(name + u'/' + caption, edit);
        }
        detailTabs->addTab(w, name);
        return g;
    };
    QGridLayout *visit = tab(VisitTab, {"回访形式：", "回访员：", "被回访人：", "满意度：", "回访状态：", "回访日期："});
    opinionEdit = new QPlainTextEdit(visit->parentWidget());
    opinionEdit->setReadOnly(true);
    opinionEdit->setMaximumHeight(60);
    visit->addWidget(ScreenKit::caption(opinionEdit, QStringLiteral("客户意见：")), 2, 0, Qt::AlignTop);
    visit->addWidget(opinionEdit, 2, 1, 1, 5);
    tab(CustomerTab, {"客户名称：", "类别：", "联系人：", "单    位：", "电话：", "传真：", "地    址：", "邮编：",
                      "物资主管："});
    tab(BusinessTab, {"业务编号：", "名称：", "类别：", "发生时间：", "结束时间："});
    detailTabs->setFixedHeight(150);
    layout->addWidget(detailTabs);
    m_keys->field(detailTabs->tabBar(), {}, ScreenKit::Walk::Aside); // arrows choose the tab
    m_keys->field(opinionEdit);
    // After a database error the list is read again.
    m_keys->onError([this] { m_form.refresh(); });

    connect(list, &ListScreen::currentRowChanged, this, [this](int row) { m_keys->run([this, row] { showRow(row); }); });
    m_keys->run([this] { m_form.load(); });
    detailTabs->setCurrentIndex(0);
}

QString TForm_backseeHistory::shown(const QString &tab, const QString &caption) const
{
    const QLineEdit *e = m_shown.value(tab + u'/' + caption);
    return e ? e->text() : QString();
}

void TForm_backseeHistory::setShown(const QString &tab, const QString &caption, const QString &text)
{
    if (QLineEdit *e = m_shown.value(tab + u'/' + caption)) {
        e->setText(text);
        e->setCursorPosition(0);
    }
}

void TForm_backseeHistory::showRow(int row)
{
    const FollowUpDetails d = m_form.details(row);
    const FollowUpVisit v = d.visit.value_or(FollowUpVisit{});
    setShown(VisitTab, QStringLiteral("回访形式："), v.notes.form);
    setShown(VisitTab, QStringLiteral("回访员："), v.notes.staff);
    setShown(VisitTab, QStringLiteral("被回访人："), v.notes.visited);
    setShown(VisitTab, QStringLiteral("满意度："), v.notes.satisfaction);
    setShown(VisitTab, QStringLiteral("回访状态："), v.state);
    setShown(VisitTab, QStringLiteral("回访日期："), v.visitedAt);
    opinionEdit->setPlainText(v.notes.opinion);

    const CustomerRecord c = d.customer.value_or(CustomerRecord{});
    setShown(CustomerTab, QStringLiteral("客户名称："), c.name);
    setShown(CustomerTab, QStringLiteral("类别："), c.customerClass);
    setShown(CustomerTab, QStringLiteral("联系人："), c.contact);
    setShown(CustomerTab, QStringLiteral("单    位："), c.company);
    setShown(CustomerTab, QStringLiteral("电话："), c.phone);
    setShown(CustomerTab, QStringLiteral("传真："), c.fax);
    setShown(CustomerTab, QStringLiteral("地    址："), c.address);
    setShown(CustomerTab, QStringLiteral("邮编："), c.postCode);
    setShown(CustomerTab, QStringLiteral("物资主管："), c.manager);

    setShown(BusinessTab, QStringLiteral("业务编号："), v.number);
    setShown(BusinessTab, QStringLiteral("名称："), v.name);
    setShown(BusinessTab, QStringLiteral("类别："), v.kind);
    setShown(BusinessTab, QStringLiteral("发生时间："), v.started);
    setShown(BusinessTab, QStringLiteral("结束时间："), v.ended);
}
