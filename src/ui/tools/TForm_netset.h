#pragma once

#include "forms/tools/NetSetForm.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// "网络设置": the proxy of the feedback form.
class TForm_netset : public QDialog
{
    Q_OBJECT
public:
    TForm_netset(Prompter &prompter, const FeedbackProxy &proxy, QWidget *parent = nullptr);

    QCheckBox *useProxy = nullptr;
    QLineEdit *hostEdit = nullptr;
    QLineEdit *portEdit = nullptr;
    QPushButton *okButton = nullptr;

    // What the dialog holds now: the settings handed in, or what "确定[&O]" took.
    const FeedbackProxy &proxy() const { return m_form.proxy; }

private:
    NetSetForm m_form;
};
