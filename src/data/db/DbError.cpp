#include "data/db/DbError.h"

QString DbError::advice(Kind kind)
{
    switch (kind) {
    case Kind::DiskFull:
        return QStringLiteral("磁盘空间已满，本次操作没有完成，数据没有保存。请删除不需要的文件、腾出磁盘空间后再试。");
    case Kind::ReadOnly:
        return QStringLiteral("数据文件不能写入，本次操作没有完成，数据没有保存。请检查数据文件及其所在文件夹是否允许写入，"
                              "然后重新启动本程序。");
    case Kind::Locked:
        return QStringLiteral("数据文件正被其他程序锁定，本次操作没有完成。请关闭正在使用数据文件的其他程序后再试。");
    case Kind::Damaged:
        return QStringLiteral("数据文件已损坏，本次操作没有完成。请退出本程序并与技术支持联系，或用最近的备份恢复数据"
                              "（“数据恢复”）。");
    case Kind::DiskError:
        return QStringLiteral("读写数据文件时出错，本次操作没有完成。请检查存放数据文件的磁盘或设备，然后重新启动本程序。");
    case Kind::Engine:
        return QStringLiteral("数据库操作出错，本次操作没有完成。请记下以下信息并与技术支持联系。");
    case Kind::Refused:
        break;
    }
    return QString();
}

QString DbError::operatorMessage(Kind kind, const QString &message)
{
    if (kind == Kind::Refused)
        return message;
    return advice(kind) + u'\n' + DetailPrefix + message;
}
