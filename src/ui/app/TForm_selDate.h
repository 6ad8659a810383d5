#pragma once

#include <QDialog>

class QDateEdit;
class QPushButton;

// Asks for one date; result() is "yyyy-MM-dd" after "确定", empty otherwise.
class TForm_selDate : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_selDate(const QDate &today, QWidget *parent = nullptr);

    QDateEdit *dateEdit = nullptr;
    QPushButton *okButton = nullptr;
    QString result() const { return m_result; }

private:
    QString m_result;
};
