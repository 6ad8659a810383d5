#pragma once

#include "forms/app/WelcomeForm.h"

#include <QHash>
#include <QPixmap>
#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class ScreenKit;

// "欢迎使用": the counts of waiting work with links to the screens that take it up.
class TForm_welcome : public QWidget
{
    Q_OBJECT
public:
    static inline const QString FooterAddress = QStringLiteral("https://vantrel.example/");

    explicit TForm_welcome(AppContext &ctx, QWidget *parent = nullptr);

    QPushButton *checkLink = nullptr;
    QPushButton *repairLink = nullptr;
    QPushButton *chargeLink = nullptr;
    QPushButton *registerLink = nullptr;
    QPushButton *warningLink = nullptr;
    QPushButton *stockLink = nullptr;
    QPushButton *backupLink = nullptr;
    QCheckBox *panelCheck = nullptr;
    QLabel *footer = nullptr;

    // The link buttons with the panel action each asks for.
    const QHash<QPushButton *, QString> &links() const { return m_links; }

    // Reads the setting, the counts and the picture (done on show, again on demand).
    void refresh();
    bool hasPicture() const { return !m_picture.isNull(); }
    // The picture dialog, as a double-click on the picture opens it.
    void editPicture();

signals:
    // One of the panel actions of Navigation ("RepairCheck", "StockWarning" ...).
    void panelActionRequested(const QString &action);
    void backupRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void loadPicture(bool clearWhenMissing);
    void link(QPushButton *button, const QString &action);
    void setFooterHot(bool hot);

    AppContext &m_ctx;
    WelcomeForm m_form;
    ScreenKit *m_keys = nullptr;
    QPixmap m_picture;
    QHash<QPushButton *, QString> m_links;
};
