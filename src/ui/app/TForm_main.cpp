#include "ui/app/TForm_main.h"

#include "forms/app/AppContext.h"
#include "forms/app/Startup.h"
#include "ui/app/TForm_NOPlan.h"

#include <QMenuBar>

TForm_main::TForm_main(AppContext &ctx, QWidget *parent)
    : QMainWindow(parent), m_ctx(ctx)
{
    setWindowTitle(Startup::ProductTitle);
    resize(1024, 720);
    QMenu *system = menuBar()->addMenu(QStringLiteral("系统[&S]"));
    system->addAction(QStringLiteral("编号设置"), this, [this] { TForm_NOPlan(m_ctx, this).exec(); });
    system->addAction(QStringLiteral("退出"), this, &QWidget::close);
}
