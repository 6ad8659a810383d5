#include "forms/tools/FeedbackForm.h"

#include "data/app/SettingsStore.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {
QByteArray field(const char *name, const QString &value)
{
    QStringEncoder encode(FeedbackForm::BodyEncoding);
    const QByteArray bytes = encode(value);
    return QByteArray(name) + '=' + bytes.toPercentEncoding();
}
} // namespace

FeedbackForm::FeedbackForm(AppContext &ctx)
    : m_ctx(ctx), m_work(QDir(QDir::tempPath()).filePath(QStringLiteral("vantrel-feedback-XXXXXX")))
{
}

QString FeedbackForm::bodyPath() const
{
    return m_work.filePath(BodyFileName);
}

QString FeedbackForm::replyPath() const
{
    return m_work.filePath(ReplyFileName);
}

QByteArray FeedbackForm::formBody(const Fields &f)
{
    return field("Name", f.name) + '&' + field("Tel", f.email) + '&' + field("Content", f.suggestion) + '&'
        + field("Zip", f.region);
}

std::optional<QByteArray> FeedbackForm::prepare(const Fields &fields)
{
    const Fields trimmed{fields.name.trimmed(), fields.region.trimmed(), fields.email.trimmed(),
                         fields.suggestion.trimmed()};
    if (trimmed.suggestion.isEmpty()) {
        m_ctx.prompt().warning(EmptySuggestion);
        return std::nullopt;
    }
    const QByteArray body = formBody(trimmed);
    QFile file(bodyPath());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(body);
    return body;
}

QUrl FeedbackForm::endpoint() const
{
    const QString set = SettingsStore(m_ctx.database()).value(EndpointKey).value_or(QString()).trimmed();
    return QUrl(set.isEmpty() ? DefaultEndpoint : set);
}

void FeedbackForm::finished(const QByteArray &reply, bool succeeded)
{
    if (succeeded || !reply.isEmpty()) {
        QFile file(replyPath());
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(reply);
    }
    if (!succeeded)
        m_ctx.prompt().warning(NetworkFailure);
}

QString FeedbackForm::replyText() const
{
    QFile file(replyPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    static const QRegularExpression charset(QStringLiteral("charset\\s*=\\s*[\"']?([A-Za-z0-9_.:-]+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = charset.match(QString::fromLatin1(bytes.left(1024)));
    QStringDecoder decode(m.hasMatch() ? m.captured(1).toLatin1().constData() : BodyEncoding);
    if (!decode.isValid())
        decode = QStringDecoder(BodyEncoding);
    return decode(bytes);
}
