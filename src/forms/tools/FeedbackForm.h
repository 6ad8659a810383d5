#pragma once

#include "forms/tools/FeedbackProxy.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>
#include <optional>

struct AppContext;

// "用户反馈": a suggestion posted to the maker's feedback endpoint, and its reply. The request
// body is a form (application/x-www-form-urlencoded) of the fields the endpoint expects, each
// value in the endpoint's byte encoding and percent-encoded, so no "&" or "=" in a value can split
// it. The body and the reply are kept in a work folder of the form's own under the temporary
// folder, removed when the form goes.
class FeedbackForm
{
public:
    static inline const QString EmptySuggestion = QStringLiteral("您的建议内容不能为空，请重新输入！");
    static inline const QString NetworkFailure = QStringLiteral("网路故障，发送失败！");
    // The setting ("基本信息") that holds the endpoint's address, and the address without it.
    static inline const QString EndpointKey = QStringLiteral("反馈地址");
    static inline const QString DefaultEndpoint = QStringLiteral("http://feedback.orlimo.invalid/RcvFeedback.asp");
    // The byte encoding the endpoint reads, and the one of a reply that names none.
    static inline const char BodyEncoding[] = "GBK";
    static inline const QString BodyFileName = QStringLiteral("Ms.tmp");
    static inline const QString ReplyFileName = QStringLiteral("try.htm");

    struct Fields
    {
        QString name;
        QString region;
        QString email;
        QString suggestion;
    };

    explicit FeedbackForm(AppContext &ctx);

    // Reset each time the form is shown: no proxy, no host, port 0.
    FeedbackProxy proxy;

    // "发送[&S]" before the post: the fields trimmed, the suggestion required (nullopt with the
    // message when it is blank), the body written to the body file and returned.
    std::optional<QByteArray> prepare(const Fields &fields);
    // "Name=…&Tel=…&Content=…&Zip=…": the e-mail travels as "Tel", the region as "Zip".
    static QByteArray formBody(const Fields &fields);
    QUrl endpoint() const;
    QString bodyPath() const;
    QString replyPath() const;

    // The exchange has ended: a reply received replaces the reply file; a failure is reported.
    void finished(const QByteArray &reply, bool succeeded);
    // The reply file as text for the pane (decoded by the charset it names, else the endpoint's
    // encoding); empty when there is none.
    QString replyText() const;

private:
    AppContext &m_ctx;
    QTemporaryDir m_work;
};
