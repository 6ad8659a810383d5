#include "ui/app/TForm_Importprocess.h"

#include <QApplication>
#include <QCloseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TForm_Importprocess::TForm_Importprocess(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("处理中...   请耐心等待"));
    auto *layout = new QVBoxLayout(this);
    progress = new QProgressBar(this);
    progress->setRange(0, 100);
    progress->setValue(0);
    progress->setMinimumWidth(320);
    layout->addWidget(progress);
    cancelButton = new QPushButton(QStringLiteral("取消[&C]"), this);
    cancelButton->setAutoDefault(false);
    cancelButton->hide();
    layout->addWidget(cancelButton, 0, Qt::AlignRight);
    connect(cancelButton, &QPushButton::clicked, this, [this] { m_cancelled = true; });
}

void TForm_Importprocess::setRange(int minimum, int maximum)
{
    progress->setRange(minimum, maximum);
}

void TForm_Importprocess::setValue(int value)
{
    progress->setValue(value);
    progress->repaint();
    // Only a window that can be cancelled takes input meanwhile: the work runs on this thread.
    QApplication::processEvents(m_cancellable ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
}

void TForm_Importprocess::allowCancel()
{
    m_cancellable = true;
    cancelButton->show();
    setWindowModality(Qt::ApplicationModal); // nothing else is worked while the bar runs
}

void TForm_Importprocess::reject()
{
    // The window goes when the work ends; Esc only asks the work to stop.
    if (m_cancellable)
        m_cancelled = true;
}

void TForm_Importprocess::closeEvent(QCloseEvent *event)
{
    reject();
    event->ignore();
}

void TForm_Importprocess::showEvent(QShowEvent *event)
{
    if (QWidget *active = QApplication::activeWindow(); active != this)
        m_activeBefore = active;
    QDialog::showEvent(event);
}

void TForm_Importprocess::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    // A platform that leaves no window active once this one goes hands the keys back.
    if (m_activeBefore && QApplication::activeWindow() != m_activeBefore)
        m_activeBefore->activateWindow();
    m_activeBefore = nullptr;
}
