#pragma once

#include "forms/maintenance/BackupPathForm.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// "备份路径": the target file of the backup made when leaving the program.
class TForm_backuppath : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_backuppath(AppContext &ctx, QWidget *parent = nullptr);

    QLineEdit *pathEdit = nullptr;
    QPushButton *browseButton = nullptr;
    QPushButton *okButton = nullptr;
    QPushButton *cancelButton = nullptr;

private:
    BackupPathForm m_form;
};
