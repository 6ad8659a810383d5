#pragma once

#include "forms/maintenance/UpgradeForm.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// "升级数据": offers the import of an older version's data and shows its progress table by table.
class TForm_upgrade : public QDialog
{
    Q_OBJECT
public:
    // chosenFile: a data file chosen by hand; empty for the older installation's own.
    TForm_upgrade(AppContext &ctx, const QString &chosenFile = QString(), QWidget *parent = nullptr);

    QLabel *messageLabel = nullptr;
    QProgressBar *progress = nullptr;
    QPushButton *okButton = nullptr;
    QPushButton *cancelButton = nullptr;

public slots:
    // Esc is "取消[&C]", except while the copy runs.
    void reject() override;

private:
    void onOk();

    UpgradeForm m_form;
    bool m_running = false;
};
