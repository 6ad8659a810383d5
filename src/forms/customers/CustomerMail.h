#pragma once

#include <QString>

class Prompter;

// "邮件联系": the link handed to the desktop's mail program for a customer's address.
namespace CustomerMail {
inline const QString NoAddressMessage = QStringLiteral("该用户没有电子邮件地址信息！");
// "mailto:" + the address; empty, after the message, when the customer has none.
QString link(Prompter &prompter, const QString &address);
}
