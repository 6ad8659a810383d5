#include "ui/maintenance/TForm_upgrade.h"

#include "forms/app/AppContext.h"
#include "ui/kit/ScreenKit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TForm_upgrade::TForm_upgrade(AppContext &ctx, const QString &chosenFile, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_form(ctx, chosenFile)
{
    setWindowTitle(QStringLiteral("升级数据"));
    auto *layout = new QVBoxLayout(this);
    messageLabel = new QLabel(m_form.message(), this);
    messageLabel->setMinimumWidth(460);
    layout->addWidget(messageLabel);
    progress = new QProgressBar(this);
    progress->setRange(0, 100);
    progress->setValue(0);
    progress->setAccessibleName(QStringLiteral("升级进度"));
    layout->addWidget(progress);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    okButton = new QPushButton(QStringLiteral("确定[&O]"), this);
    cancelButton = new QPushButton(QStringLiteral("取消[&C]"), this);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);

    auto *keys = new ScreenKit(this, ctx.prompter);
    keys->button(okButton, [this] { onOk(); });
    keys->button(cancelButton, [this] { reject(); });
    keys->startAt(okButton);
}

void TForm_upgrade::onOk()
{
    okButton->setEnabled(false);
    cancelButton->setEnabled(false);
    m_running = true;
    QElapsedTimer clock;
    clock.start();
    QString shown;
    // The work runs on this thread: the window is painted as it goes, a few times a second.
    const bool done = m_form.run([&](const QString &text, qint64 rows, qint64 total) {
        const bool newTable = text != shown || rows == 0;
        if (!newTable && rows < total && !clock.hasExpired(100))
            return;
        if (newTable) {
            shown = text;
            messageLabel->setText(text);
            progress->setRange(0, int(qMax<qint64>(total, 1)));
        }
        progress->setValue(int(rows));
        repaint();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        clock.restart();
    });
    m_running = false;
    if (done) {
        accept();
        return;
    }
    // Nothing was changed: the operator may try again or leave.
    messageLabel->setText(m_form.message());
    progress->setValue(0);
    okButton->setEnabled(true);
    cancelButton->setEnabled(true);
    ScreenKit::focus(okButton);
}

void TForm_upgrade::reject()
{
    if (!m_running)
        QDialog::reject();
}
