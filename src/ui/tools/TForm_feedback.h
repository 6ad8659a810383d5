#pragma once

#include "forms/tools/FeedbackForm.h"

#include <QDialog>
#include <QNetworkReply>
#include <QPointer>

class QLineEdit;
class QNetworkAccessManager;
class QPlainTextEdit;
class QPushButton;
class QTextBrowser;

// "用户反馈": the fields of a suggestion, the buttons, and the endpoint's reply below them.
class TForm_feedback : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_feedback(AppContext &ctx, QWidget *parent = nullptr);
    ~TForm_feedback() override;

    QLineEdit *nameEdit = nullptr;
    QLineEdit *regionEdit = nullptr;
    QLineEdit *emailEdit = nullptr;
    QPlainTextEdit *suggestionEdit = nullptr;
    QPushButton *sendButton = nullptr;
    QPushButton *exitButton = nullptr;
    QPushButton *proxyButton = nullptr;
    QTextBrowser *replyPane = nullptr;

    FeedbackForm &form() { return m_form; }
    // Whether a send is on its way.
    bool sending() const { return m_reply; }

private:
    void onSend();
    void onProxy();
    void onFinished();

    AppContext &m_ctx;
    FeedbackForm m_form;
    QPointer<QNetworkReply> m_reply;
    QNetworkAccessManager *m_network = nullptr;
};
