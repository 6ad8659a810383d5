// The feedback form against an HTTP server on the loopback address started here: the form body
// with "&", "=" and Chinese in its values, the reply shown, the proxy dialog (the port refusal,
// the proxy really used), the blank suggestion, the network failure, and where the files go.
#include "Keyboard.h"
#include "TestDatabase.h"
#include "WhenModal.h"
#include "core/app/Right.h"
#include "data/app/SettingsStore.h"
#include "ui/app/TForm_main.h"
#include "ui/app/VantrelApplication.h"
#include "ui/tools/TForm_feedback.h"
#include "ui/tools/TForm_netset.h"

#include <QtNetwork>
#include <QtTest>
#include <QtWidgets>

using namespace Keyboard;

namespace {
// A one-page web server: answers every request with the page, in GBK, and keeps what it got.
class LoopbackServer : public QObject
{
public:
    LoopbackServer()
    {
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = m_server.nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, this, [this, s] { serve(s); });
                connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            }
        });
    }
    quint16 port() const { return m_server.serverPort(); }
    QByteArray page = QStringEncoder("GBK")(QStringLiteral(
        "<html><head><meta charset=\"gb2312\"></head><body><p>谢谢您的建议！</p>"
        "<script>document.write('脚本')</script></body></html>"));
    QByteArray requestLine;
    QByteArray contentType;
    QByteArray body;
    int requests = 0;

private:
    void serve(QTcpSocket *s)
    {
        QByteArray &got = m_pending[s];
        got += s->readAll();
        const int end = got.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QList<QByteArray> lines = got.left(end).split('\n');
        int length = 0;
        QByteArray type;
        for (const QByteArray &l : lines) {
            if (l.toLower().startsWith("content-length:"))
                length = l.mid(15).trimmed().toInt();
            if (l.toLower().startsWith("content-type:"))
                type = l.mid(13).trimmed();
        }
        if (got.size() < end + 4 + length)
            return;
        ++requests;
        requestLine = lines.value(0).trimmed();
        contentType = type;
        body = got.mid(end + 4, length);
        m_pending.remove(s);
        s->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\nContent-Length: "
                 + QByteArray::number(page.size()) + "\r\n\r\n" + page);
        s->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QTcpSocket *, QByteArray> m_pending;
};

// The fields of a form body, as the endpoint decodes them: split on "&" and "=", then each
// value percent-decoded and read as GBK.
QMap<QString, QString> decodeForm(const QByteArray &body)
{
    QMap<QString, QString> fields;
    for (const QByteArray &pair : body.split('&')) {
        const int eq = pair.indexOf('=');
        fields.insert(QString::fromLatin1(pair.left(eq)),
                      QStringDecoder("GBK")(QByteArray::fromPercentEncoding(pair.mid(eq + 1))));
    }
    return fields;
}

struct Session
{
    TestDatabase t;
    std::unique_ptr<TForm_main> main;
    explicit Session(const QString &endpoint)
    {
        SettingsStore(t.db()).createIfMissing(FeedbackForm::EndpointKey, endpoint);
        t.ctx.OperatorRights = 0; // no right is needed
        main = std::make_unique<TForm_main>(t.ctx);
        main->startSession();
    }
    ~Session() { main->hide(); }
    void feedback(const std::function<void(TForm_feedback *)> &work)
    {
        bool opened = false;
        whenModal([&](QWidget *w) {
            auto *f = qobject_cast<TForm_feedback *>(w);
            QVERIFY(f);
            opened = true;
            work(f);
        });
        main->menuAction(QStringLiteral("意见反馈"));
        QVERIFY(opened);
    }
};

// Types the four fields the way Enter walks them, then sends with Alt+S.
void fill(TForm_feedback *f, const QString &name, const QString &region, const QString &email, const QString &suggestion)
{
    QCOMPARE(focused(), f->nameEdit);
    type(name);
    enter();
    QCOMPARE(focused(), f->regionEdit);
    type(region);
    enter();
    QCOMPARE(focused(), f->emailEdit);
    type(email);
    enter();
    QCOMPARE(focused(), f->suggestionEdit);
    type(suggestion);
}
} // namespace

class TestFeedback : public QObject
{
    Q_OBJECT
private slots:
    // Values with "&", "=" and Chinese arrive whole; the e-mail travels as "Tel", the region
    // as "Zip"; the reply is shown as a page, its script not run.
    void sendsAFormAndShowsTheReply()
    {
        LoopbackServer server;
        Session s(QStringLiteral("http://127.0.0.1:%1/RcvFeedback.asp").arg(server.port()));
        s.feedback([&](TForm_feedback *f) {
            fill(f, QStringLiteral(" 王五&子 "), QStringLiteral("上海=浦东"), QStringLiteral("a@b.cn"),
                 QStringLiteral("价格=10&数量=2 请改进"));
            press(Qt::Key_S, Qt::AltModifier); // 发送[&S]
            QTRY_COMPARE(server.requests, 1);
            QTRY_VERIFY(f->replyPane->toPlainText().contains(QStringLiteral("谢谢您的建议！")));
            QVERIFY(!f->replyPane->toPlainText().contains(QStringLiteral("脚本")));
            QCOMPARE(server.requestLine, QByteArray("POST /RcvFeedback.asp HTTP/1.1"));
            QCOMPARE(server.contentType, QByteArray("application/x-www-form-urlencoded"));
            QVERIFY(server.body.startsWith("Name="));
            const auto fields = decodeForm(server.body);
            QCOMPARE(fields.keys(), QStringList({"Content", "Name", "Tel", "Zip"}));
            QCOMPARE(fields.value(QStringLiteral("Name")), QStringLiteral("王五&子"));
            QCOMPARE(fields.value(QStringLiteral("Tel")), QStringLiteral("a@b.cn"));
            QCOMPARE(fields.value(QStringLiteral("Content")), QStringLiteral("价格=10&数量=2 请改进"));
            QCOMPARE(fields.value(QStringLiteral("Zip")), QStringLiteral("上海=浦东"));
            // The body and the reply are kept under the temporary folder, not the working one.
            for (const QString &file : {f->form().bodyPath(), f->form().replyPath()}) {
                QVERIFY2(file.startsWith(QDir::tempPath() + u'/'), qPrintable(file));
                QVERIFY(QFileInfo::exists(file));
            }
            QVERIFY(!QFileInfo::exists(QDir::current().filePath(FeedbackForm::BodyFileName)));
            QCOMPARE(s.t.prompter.shown, QStringList());
            press(Qt::Key_E, Qt::AltModifier);
        });
    }

    // A blank suggestion is refused and nothing is sent; empty fields go as empty values.
    void blankSuggestionAndEmptyFields()
    {
        LoopbackServer server;
        Session s(QStringLiteral("http://127.0.0.1:%1/RcvFeedback.asp").arg(server.port()));
        s.feedback([&](TForm_feedback *f) {
            fill(f, QString(), QString(), QString(), QStringLiteral("   "));
            press(Qt::Key_S, Qt::AltModifier);
            QTRY_COMPARE(s.t.prompter.texts(), QStringList{FeedbackForm::EmptySuggestion});
            QCOMPARE(focused(), f->suggestionEdit);
            type(QStringLiteral("好"));
            press(Qt::Key_S, Qt::AltModifier);
            QTRY_COMPARE(server.requests, 1);
            QCOMPARE(server.body, QByteArray("Name=&Tel=&Content=%BA%C3&Zip="));
            press(Qt::Key_E, Qt::AltModifier);
        });
    }

    // "设置代理": a port with a letter is refused and the dialog stays; the settings confirmed
    // are shown again within the showing; the request then goes through the proxy. A new
    // showing of the form starts without a proxy.
    void proxy()
    {
        LoopbackServer proxyServer;
        Session s(QStringLiteral("http://feedback.example.invalid/RcvFeedback.asp"));
        s.feedback([&](TForm_feedback *f) {
            QCOMPARE(f->form().proxy.use, QStringLiteral("false"));
            whenModal([&](QWidget *w) {
                auto *d = qobject_cast<TForm_netset *>(w);
                QVERIFY(d);
                QCOMPARE(d->windowTitle(), QStringLiteral("网络设置"));
                QCOMPARE(focused(), d->hostEdit);
                QVERIFY(!d->useProxy->isChecked());
                QCOMPARE(d->portEdit->text(), QStringLiteral("0"));
                press(Qt::Key_Tab, Qt::ShiftModifier);
                QCOMPARE(focused(), d->useProxy);
                press(Qt::Key_Space);
                tab();
                type(QStringLiteral("127.0.0.1"));
                enter();
                QCOMPARE(focused(), d->portEdit);
                type(QString::number(proxyServer.port()) + u'a');
                enter();
                QCOMPARE(focused(), d->okButton);
                enter();
                QCOMPARE(s.t.prompter.last(), QStringLiteral("端口号必须为整数"));
                QVERIFY(d->isVisible());
                QCOMPARE(focused(), d->portEdit);
                press(Qt::Key_End);
                press(Qt::Key_Backspace);
                enter();
                enter();
            });
            tab();
            tab();
            tab();
            tab();
            tab();
            tab();
            QCOMPARE(focused(), f->proxyButton);
            enter();
            QTRY_COMPARE(focused(), f->proxyButton); // back from the dialog
            QCOMPARE(f->form().proxy.use, QStringLiteral("true"));
            QCOMPARE(f->form().proxy.port, int(proxyServer.port()));
            whenModal([&](QWidget *w) {
                auto *d = qobject_cast<TForm_netset *>(w);
                QVERIFY(d);
                QVERIFY(d->useProxy->isChecked());
                QCOMPARE(d->hostEdit->text(), QStringLiteral("127.0.0.1"));
                QCOMPARE(d->portEdit->text(), QString::number(proxyServer.port()));
                press(Qt::Key_Escape);
            });
            enter();
            QTRY_COMPARE(focused(), f->proxyButton);
            QCOMPARE(f->form().proxy.host, QStringLiteral("127.0.0.1"));
            press(Qt::Key_Tab, Qt::ShiftModifier);
            press(Qt::Key_Tab, Qt::ShiftModifier);
            press(Qt::Key_Tab, Qt::ShiftModifier);
            QCOMPARE(focused(), f->suggestionEdit);
            type(QStringLiteral("经代理发送"));
            press(Qt::Key_S, Qt::AltModifier);
            QTRY_COMPARE(proxyServer.requests, 1);
            QCOMPARE(proxyServer.requestLine, QByteArray("POST http://feedback.example.invalid/RcvFeedback.asp HTTP/1.1"));
            QTRY_VERIFY(f->replyPane->toPlainText().contains(QStringLiteral("谢谢您的建议！")));
            press(Qt::Key_E, Qt::AltModifier);
        });
        s.feedback([&](TForm_feedback *f) {
            QCOMPARE(f->form().proxy.use, QStringLiteral("false"));
            QCOMPARE(f->form().proxy.host, QString());
            QCOMPARE(f->form().proxy.port, 0);
            press(Qt::Key_E, Qt::AltModifier);
        });
    }

    // Nobody listening: "网路故障，发送失败！", and the pane shows what the reply file holds (here
    // the reply of the earlier send).
    void networkFailure()
    {
        LoopbackServer server;
        quint16 closedPort = 0;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost));
            closedPort = probe.serverPort();
        }
        Session s(QStringLiteral("http://127.0.0.1:%1/RcvFeedback.asp").arg(server.port()));
        s.feedback([&](TForm_feedback *f) {
            fill(f, QString(), QString(), QString(), QStringLiteral("第一次"));
            press(Qt::Key_S, Qt::AltModifier);
            QTRY_VERIFY(f->replyPane->toPlainText().contains(QStringLiteral("谢谢您的建议！")));
            SettingsStore(s.t.db()).setValue(FeedbackForm::EndpointKey,
                                            QStringLiteral("http://127.0.0.1:%1/RcvFeedback.asp").arg(closedPort));
            press(Qt::Key_S, Qt::AltModifier);
            QTRY_COMPARE(s.t.prompter.last(), QStringLiteral("网路故障，发送失败！"));
            QVERIFY(!f->sending());
            QVERIFY(f->replyPane->toPlainText().contains(QStringLiteral("谢谢您的建议！")));
            press(Qt::Key_E, Qt::AltModifier);
        });
    }
};

int main(int argc, char *argv[])
{
    VantrelApplication app(argc, argv);
    TestFeedback test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_feedback.moc"
