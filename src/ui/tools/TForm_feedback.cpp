#include "ui/tools/TForm_feedback.h"

#include "forms/app/AppContext.h"
#include "ui/kit/ScreenKit.h"
#include "ui/tools/TForm_netset.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
// A send that has not ended by then has failed.
constexpr int TransferTimeoutMs = 30000;
}

TForm_feedback::TForm_feedback(AppContext &ctx, QWidget *parent) : QDialog(parent), m_ctx(ctx), m_form(ctx)
{
    setWindowTitle(QStringLiteral("用户反馈"));
    resize(640, 600);
    auto *layout = new QVBoxLayout(this);
    auto *fields = new QGridLayout;
    nameEdit = new QLineEdit(this);
    regionEdit = new QLineEdit(this);
    emailEdit = new QLineEdit(this);
    suggestionEdit = new QPlainTextEdit(this);
    fields->addWidget(ScreenKit::caption(nameEdit, QStringLiteral("您的姓名：")), 0, 0);
    fields->addWidget(nameEdit, 0, 1);
    fields->addWidget(ScreenKit::caption(regionEdit, QStringLiteral("地区：")), 0, 2);
    fields->addWidget(regionEdit, 0, 3);
    fields->addWidget(ScreenKit::caption(emailEdit, QStringLiteral("电子邮件：")), 1, 0);
    fields->addWidget(emailEdit, 1, 1, 1, 3);
    fields->addWidget(ScreenKit::caption(suggestionEdit, QStringLiteral("您的建议：")), 2, 0, Qt::AlignTop);
    fields->addWidget(suggestionEdit, 2, 1, 1, 3);
    layout->addLayout(fields, 1);
    auto *buttons = new QHBoxLayout;
    sendButton = new QPushButton(QStringLiteral("发送[&S]"), this);
    exitButton = new QPushButton(QStringLiteral("退出[&E]"), this);
    proxyButton = new QPushButton(QStringLiteral("设置代理"), this);
    buttons->addStretch(1);
    for (QPushButton *b : {sendButton, exitButton, proxyButton})
        buttons->addWidget(b);
    layout->addLayout(buttons);
    // The reply is shown as a page, never run: no scripts, no links followed.
    replyPane = new QTextBrowser(this);
    replyPane->setAccessibleName(QStringLiteral("回复"));
    replyPane->setOpenLinks(false);
    replyPane->setOpenExternalLinks(false);
    layout->addWidget(replyPane, 1);

    m_network = new QNetworkAccessManager(this);

    // Enter walks name, region, e-mail, suggestion (a memo: its Enter is a new line).
    auto *keys = new ScreenKit(this, ctx.prompter);
    keys->field(nameEdit);
    keys->field(regionEdit);
    keys->route(emailEdit, [this] { return ScreenKit::Step::to(suggestionEdit); });
    keys->field(suggestionEdit);
    keys->button(sendButton, [this] { onSend(); });
    keys->button(exitButton, [this] { close(); });
    keys->button(proxyButton, [this] { onProxy(); });
}

TForm_feedback::~TForm_feedback()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

void TForm_feedback::onSend()
{
    if (m_reply)
        return; // one send at a time
    const auto body = m_form.prepare({nameEdit->text(), regionEdit->text(), emailEdit->text(),
                                      suggestionEdit->toPlainText()});
    if (!body) {
        ScreenKit::focus(suggestionEdit);
        return;
    }
    const FeedbackProxy &p = m_form.proxy;
    m_network->setProxy(p.used() ? QNetworkProxy(QNetworkProxy::HttpProxy, p.host, quint16(p.port))
                                 : QNetworkProxy(QNetworkProxy::NoProxy));
    QNetworkRequest request(m_form.endpoint());
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    request.setTransferTimeout(TransferTimeoutMs);
    m_reply = m_network->post(request, *body);
    sendButton->setEnabled(false);
    connect(m_reply, &QNetworkReply::finished, this, &TForm_feedback::onFinished);
}

void TForm_feedback::onFinished()
{
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    if (!reply)
        return;
    reply->deleteLater();
    sendButton->setEnabled(true);
    // The reply is shown once the exchange has ended, whatever its outcome.
    m_form.finished(reply->readAll(), reply->error() == QNetworkReply::NoError);
    replyPane->setHtml(m_form.replyText());
}

void TForm_feedback::onProxy()
{
    TForm_netset dialog(*m_ctx.prompter, m_form.proxy, this);
    dialog.exec();
    m_form.proxy = dialog.proxy();
    activateWindow(); // back from the dialog: this window takes the keyboard again
}
