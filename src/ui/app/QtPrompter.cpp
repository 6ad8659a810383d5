#include "ui/app/QtPrompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

static const QString AppTitle = QStringLiteral("Vantrel");

QWidget *QtPrompter::parentWidget() const
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return m_parent ? m_parent : QApplication::activeWindow();
}

void QtPrompter::information(const QString &text)
{
    QMessageBox::information(parentWidget(), AppTitle, text);
}

void QtPrompter::warning(const QString &text)
{
    QMessageBox::warning(parentWidget(), AppTitle, text);
}

void QtPrompter::error(const QString &text)
{
    QMessageBox::critical(parentWidget(), AppTitle, text);
}

bool QtPrompter::confirm(const QString &text, const QString &title)
{
    return QMessageBox::question(parentWidget(), title, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok)
        == QMessageBox::Ok;
}

bool QtPrompter::askYesNo(const QString &text, const QString &title)
{
    return QMessageBox::question(parentWidget(), title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

QString QtPrompter::openFileName(const QString &caption, const QString &dir, const QString &filter)
{
    return QFileDialog::getOpenFileName(parentWidget(), caption, dir, filter);
}

QString QtPrompter::saveFileName(const QString &caption, const QString &proposed, const QString &filter)
{
    return QFileDialog::getSaveFileName(parentWidget(), caption, proposed, filter);
}

QString QtPrompter::existingDirectory(const QString &caption, const QString &dir)
{
    return QFileDialog::getExistingDirectory(parentWidget(), caption, dir);
}

QString QtPrompter::inputText(const QString &title, const QString &prompt, const QString &defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parentWidget(), title, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}
