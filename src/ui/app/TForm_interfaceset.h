#pragma once

#include "forms/app/InterfaceSetForm.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// "欢迎界面设置": the picture of the welcome screen.
class TForm_interfaceset : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_interfaceset(AppContext &ctx, QWidget *parent = nullptr);

    QLineEdit *pathEdit = nullptr;
    QPushButton *browseButton = nullptr;
    QPushButton *okButton = nullptr;
    QPushButton *closeButton = nullptr;
    QPushButton *clearButton = nullptr;

private:
    AppContext &m_ctx;
    InterfaceSetForm m_form;
};
