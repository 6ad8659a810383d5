#pragma once

#include "data/db/ColumnRef.h"

// The columns of "维修" that lists and searches of repair jobs name.
namespace RepairColumns {
inline const QString Table = QStringLiteral("维修");

inline const ColumnRef number{Table, QStringLiteral("业务编号")};
inline const ColumnRef state{Table, QStringLiteral("当前状态")};
inline const ColumnRef intakeDate{Table, QStringLiteral("接修日期"), ColumnType::Date};
inline const ColumnRef handledBy{Table, QStringLiteral("经办人")};
inline const ColumnRef customer{Table, QStringLiteral("客户")};
inline const ColumnRef itemName{Table, QStringLiteral("物件名称")};
inline const ColumnRef itemCategory{Table, QStringLiteral("维修物类别")};
inline const ColumnRef itemBrand{Table, QStringLiteral("维修物品牌")};
inline const ColumnRef itemSerial{Table, QStringLiteral("物件编号")};
inline const ColumnRef accessories{Table, QStringLiteral("随机附件")};
inline const ColumnRef fault{Table, QStringLiteral("故障描述"), ColumnType::Memo};
inline const ColumnRef serviceMode{Table, QStringLiteral("服务方式")};
inline const ColumnRef underWarranty{Table, QStringLiteral("保内"), ColumnType::YesNo};
inline const ColumnRef technician{Table, QStringLiteral("技术员")};
inline const ColumnRef partsFee{Table, QStringLiteral("配件费用"), ColumnType::Money};
inline const ColumnRef labourFee{Table, QStringLiteral("维修费用"), ColumnType::Money};
inline const ColumnRef extraFee{Table, QStringLiteral("附加费用"), ColumnType::Money};
inline const ColumnRef totalFee{Table, QStringLiteral("费用合计"), ColumnType::Money};
inline const ColumnRef prepayment{Table, QStringLiteral("预付款"), ColumnType::Money};
inline const ColumnRef charged{Table, QStringLiteral("实际收费"), ColumnType::Money};
inline const ColumnRef invoiceNumber{Table, QStringLiteral("发票号码")};
inline const ColumnRef refund{Table, QStringLiteral("退款"), ColumnType::Money};
inline const ColumnRef stockOutBill{Table, QStringLiteral("出库单据")};
inline const ColumnRef endDate{Table, QStringLiteral("返回日期"), ColumnType::Date};
inline const ColumnRef dispatched{Table, QStringLiteral("已经派工"), ColumnType::YesNo};
inline const ColumnRef summary{Table, QStringLiteral("维修小结"), ColumnType::Memo};
inline const ColumnRef rework{Table, QStringLiteral("是否返修")};
inline const ColumnRef remarks{Table, QStringLiteral("备注"), ColumnType::Memo};
}
