#pragma once

#include "data/maintenance/SystemInitialisation.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

struct AppContext;

// "系统初始化": the shop's own details and accounting date kept in the settings, and the chosen
// groups of tables emptied. Before anything is emptied the whole file is copied into the folder
// of the operator's backups, so a wrong tick can be undone with "数据恢复"; the settings and the
// emptying then land in one transaction.
class InitForm
{
public:
    enum class Field { None, Name, Address, PostCode, Phone, Fax };

    static inline const QString Question = QStringLiteral("初始化将会清除所有数据，确定初始化吗？");
    static inline const QString Cancelled = QStringLiteral("初始化被取消！");
    static inline const QString Done = QStringLiteral("初始化完毕！");
    // %1: the backup copy.
    static inline const QString BackupNote =
        QStringLiteral("初始化前的数据已备份到：\n%1\n如需找回，请用“数据恢复”选择该文件。");
    // The reason follows on the next line.
    static inline const QString BackupFailed = QStringLiteral("初始化前的数据备份失败，没有初始化任何数据：");
    static inline const QString BackupPrefix = QStringLiteral("初始化前备份");
    static constexpr int MaxBytes = 50;
    static constexpr int GroupCount = 9;

    explicit InitForm(AppContext &ctx);

    QString name;
    QString address;
    QString postCode;
    QString phone;
    QString fax;
    QDate accountDate;
    // One per group of SystemInitialisation::groups(), in that order.
    std::array<bool, GroupCount> ticked{};
    static QStringList boxCaptions();

    // Shows the stored details; the date is today.
    void load();
    // The please-wait window: true once the operator has confirmed, false before the closing
    // message (or any other) is shown.
    std::function<void(bool)> working;
    // "初始化": the question, then the length checks (the field that is too long is named and
    // nothing is written), the backup copy when a group is ticked, and the work. Returns the
    // field the focus goes to (None: it stays). Throws DbError with nothing changed.
    Field initialise();
    // The copy made by the last initialisation; empty when none was made.
    QString backupFile() const { return m_backupFile; }

private:
    QString backupTarget() const;

    AppContext &m_ctx;
    QString m_backupFile;
};
