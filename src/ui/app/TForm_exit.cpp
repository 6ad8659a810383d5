#include "ui/app/TForm_exit.h"

#include "ui/kit/ScreenKit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm_exit::TForm_exit(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("退出"));
    auto *layout = new QVBoxLayout(this);
    for (const char *line : {"为了您的数据安全，请选择“备份※退出”。", "数据将会以您设定的路径备份（详见工具菜单）。",
                             "如果要做更灵活的备份，请点击“系统”菜单，备", "份数据。"})
        layout->addWidget(new QLabel(QString::fromUtf8(line), this));
    auto *buttons = new QHBoxLayout;
    backupButton = new QPushButton(QStringLiteral("备份※退出[&B]"), this);
    exitButton = new QPushButton(QStringLiteral("直接退出[&E]"), this);
    cancelButton = new QPushButton(QStringLiteral("取消退出[&C]"), this);
    // The focus starts on "备份※退出[&B]", the safe answer.
    auto *keys = new ScreenKit(this);
    for (auto [button, answer] : {std::pair{backupButton, Answer::Backup}, std::pair{exitButton, Answer::Exit},
                                  std::pair{cancelButton, Answer::Cancel}}) {
        buttons->addWidget(button);
        keys->button(button, [this, answer = answer] {
            m_answer = answer;
            accept();
        });
    }
    layout->addLayout(buttons);
}

void TForm_exit::reject()
{
}
