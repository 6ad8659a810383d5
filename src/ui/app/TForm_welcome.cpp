#include "ui/app/TForm_welcome.h"

#include "forms/app/AppContext.h"
#include "forms/app/Navigation.h"
#include "forms/app/Startup.h"
#include "ui/app/TForm_interfaceset.h"
#include "ui/kit/ScreenKit.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {
QPushButton *linkButton(const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setFlat(true);
    b->setCursor(Qt::PointingHandCursor);
    b->setStyleSheet(QStringLiteral("QPushButton{color:#1a4f9c;text-align:left;border:none;}"
                                    "QPushButton:hover{text-decoration:underline;}"));
    return b;
}
} // namespace

TForm_welcome::TForm_welcome(AppContext &ctx, QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_form(ctx)
{
    setWindowTitle(QStringLiteral("欢迎使用"));
    setToolTip(QStringLiteral("双击设置界面"));
    setMouseTracking(true);
    setAutoFillBackground(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 10);
    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral(" 维修业务："), this), 0, 0);
    registerLink = linkButton(QStringLiteral("维修登记 >> "), this);
    checkLink = linkButton(QStringLiteral("待检测：0件 >>"), this);
    repairLink = linkButton(QStringLiteral("待维修处理：0件 >>"), this);
    chargeLink = linkButton(QStringLiteral("待结算收费：0件 >>"), this);
    grid->addWidget(registerLink, 1, 0);
    grid->addWidget(checkLink, 2, 0);
    grid->addWidget(repairLink, 3, 0);
    grid->addWidget(chargeLink, 4, 0);
    grid->addWidget(new QLabel(QStringLiteral(" 配件库存："), this), 0, 1);
    stockLink = linkButton(QStringLiteral("浏览库存 >>  "), this);
    warningLink = linkButton(QStringLiteral("低于警戒：0件 >>"), this);
    grid->addWidget(stockLink, 1, 1);
    grid->addWidget(warningLink, 2, 1);
    layout->addLayout(grid);
    layout->addSpacing(20);
    backupLink = linkButton(QStringLiteral(" 为了您的数据安全，请随时备份数据 >>"), this);
    layout->addWidget(backupLink);
    layout->addStretch(1);
    panelCheck = new QCheckBox(QStringLiteral("启动时直接转到业务面板"), this);
    layout->addWidget(panelCheck);
    footer = new QLabel(Startup::ProductTitle + QStringLiteral("    ") + FooterAddress, this);
    footer->setAlignment(Qt::AlignCenter);
    footer->setCursor(Qt::PointingHandCursor);
    footer->setMouseTracking(true);
    footer->installEventFilter(this);
    layout->addWidget(footer);

    // The links in reading order, then the backup link and the check box.
    m_keys = new ScreenKit(this, ctx.prompter);
    link(registerLink, Navigation::RepairReg);
    link(checkLink, Navigation::RepairCheck);
    link(repairLink, Navigation::RepairDealWith);
    link(chargeLink, Navigation::RepairCharge);
    link(stockLink, Navigation::ViewStock);
    link(warningLink, Navigation::StockWarning);
    m_keys->button(backupLink, [this] { emit backupRequested(); });
    m_keys->button(panelCheck, [this] { m_form.setPanelAtStart(panelCheck->isChecked()); });

    m_keys->run([this] { refresh(); });
}

// The main window tests the link's right before it opens anything.
void TForm_welcome::link(QPushButton *button, const QString &action)
{
    m_links.insert(button, action);
    m_keys->button(button, [this, action] { emit panelActionRequested(action); });
}

void TForm_welcome::refresh()
{
    if (!m_form.load())
        return;
    {
        const QSignalBlocker block(panelCheck);
        panelCheck->setChecked(m_form.panelAtStart);
    }
    checkLink->setText(m_form.checkCaption());
    repairLink->setText(m_form.repairCaption());
    chargeLink->setText(m_form.chargeCaption());
    warningLink->setText(m_form.warningCaption());
    loadPicture(false);
}

void TForm_welcome::loadPicture(bool clearWhenMissing)
{
    const auto path = m_form.picture();
    if (!path)
        return;
    if (path->isEmpty()) {
        if (clearWhenMissing)
            m_picture = QPixmap();
    } else {
        QPixmap loaded(*path);
        if (!loaded.isNull())
            m_picture = loaded; // a picture that cannot be read is ignored
    }
    update();
}

void TForm_welcome::editPicture()
{
    TForm_interfaceset dialog(m_ctx, this);
    dialog.exec();
    loadPicture(true);
}

void TForm_welcome::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_picture.isNull())
        p.fillRect(rect(), QColor(0xf4, 0xf7, 0xfb));
    else
        p.drawPixmap(rect(), m_picture);
}

void TForm_welcome::mouseDoubleClickEvent(QMouseEvent *event)
{
    editPicture();
    event->accept();
}

void TForm_welcome::setFooterHot(bool hot)
{
    footer->setStyleSheet(hot ? QStringLiteral("color:green;") : QString());
}

void TForm_welcome::mouseMoveEvent(QMouseEvent *event)
{
    setFooterHot(footer->geometry().adjusted(-2, -2, 2, 2).contains(event->position().toPoint()));
    QWidget::mouseMoveEvent(event);
}

bool TForm_welcome::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == footer) {
        if (event->type() == QEvent::Enter)
            setFooterHot(true);
        else if (event->type() == QEvent::Leave)
            setFooterHot(false);
        else if (event->type() == QEvent::MouseButtonRelease)
            QDesktopServices::openUrl(QUrl(FooterAddress));
    }
    return QWidget::eventFilter(watched, event);
}
