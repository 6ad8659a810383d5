#include "ui/app/TForm_Importprocess.h"

#include <QApplication>
#include <QProgressBar>
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
}

void TForm_Importprocess::setRange(int minimum, int maximum)
{
    progress->setRange(minimum, maximum);
}

void TForm_Importprocess::setValue(int value)
{
    progress->setValue(value);
    progress->repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
