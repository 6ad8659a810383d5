#include "forms/maintenance/InitForm.h"

#include "core/app/DateText.h"
#include "core/app/GbkText.h"
#include "data/app/SettingsStore.h"
#include "data/maintenance/DatabaseFiles.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"
#include "forms/maintenance/BackupForm.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString NameKey = QStringLiteral("公司名称");
const QString AddressKey = QStringLiteral("公司地址");
const QString PostCodeKey = QStringLiteral("公司邮编");
const QString PhoneKey = QStringLiteral("公司电话");
const QString FaxKey = QStringLiteral("公司传真");
const QString DateKey = QStringLiteral("记帐日期");

// The please-wait window from the confirmation until the work ends, however it ends.
class Working
{
public:
    explicit Working(const std::function<void(bool)> &working) : m_working(working) { set(true); }
    ~Working() { end(); }
    void end() { set(false); }

private:
    void set(bool on)
    {
        if (m_working && m_on != on)
            m_working(on);
        m_on = on;
    }
    const std::function<void(bool)> &m_working;
    bool m_on = false;
};
} // namespace

InitForm::InitForm(AppContext &ctx) : m_ctx(ctx)
{
}

QStringList InitForm::boxCaptions()
{
    return {QStringLiteral("初始化业务信息"), QStringLiteral("初始化客户信息"),   QStringLiteral("初始化配件信息"),
            QStringLiteral("初始化库存信息"), QStringLiteral("初始化供应商信息"), QStringLiteral("初始化记事本"),
            QStringLiteral("初始化回访信息"), QStringLiteral("初始化回访员信息"), QStringLiteral("初始化技术员信息")};
}

void InitForm::load()
{
    SettingsStore settings(m_ctx.database());
    for (auto [key, field] : {std::pair{NameKey, &name}, std::pair{AddressKey, &address}, std::pair{PostCodeKey, &postCode},
                              std::pair{PhoneKey, &phone}, std::pair{FaxKey, &fax}})
        if (const auto v = settings.value(key))
            *field = *v;
    accountDate = m_ctx.today();
}

QString InitForm::backupTarget() const
{
    // Never over an earlier copy: it may be the one holding what a previous run emptied.
    const QDir folder(QFileInfo(BackupForm(m_ctx).automaticTarget()).absolutePath());
    const QString stem = BackupPrefix + m_ctx.now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = folder.filePath(stem + QStringLiteral(".mdb"));
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = folder.filePath(stem + QStringLiteral("-%1.mdb").arg(n));
    return target;
}

InitForm::Field InitForm::initialise()
{
    m_backupFile.clear();
    if (!m_ctx.prompt().confirm(Question)) {
        m_ctx.prompt().information(Cancelled);
        return Field::None;
    }
    Working wait(working);

    struct Limit
    {
        QString *value;
        Field field;
        const char *message;
    };
    const Limit limits[] = {{&name, Field::Name, "公司名称太长，请简写！"},
                            {&address, Field::Address, "公司地址太长，请简写！"},
                            {&postCode, Field::PostCode, "公司邮编太长，请简写！"},
                            {&phone, Field::Phone, "公司电话太长，请简写！"},
                            {&fax, Field::Fax, "公司传真太长，请简写！"}};
    for (const Limit &l : limits)
        *l.value = l.value->trimmed();
    for (const Limit &l : limits) {
        if (!GbkText::fits(*l.value, MaxBytes)) {
            wait.end();
            m_ctx.prompt().warning(QString::fromUtf8(l.message));
            return l.field;
        }
    }

    QList<SystemInitialisation::Group> chosen;
    const QList<SystemInitialisation::Group> groups = SystemInitialisation::groups();
    for (int i = 0; i < GroupCount; ++i)
        if (ticked[size_t(i)])
            chosen << groups[i];

    // A copy of everything before any table is emptied.
    if (!chosen.isEmpty()) {
        const QString target = backupTarget();
        if (const auto problem = DatabaseFiles(m_ctx.database()).backupTo(target)) {
            wait.end();
            m_ctx.prompt().warning(BackupFailed + u'\n' + *problem);
            return Field::None;
        }
        m_backupFile = target;
    }

    // The fax goes last, after the accounting date.
    SystemInitialisation(m_ctx.database())
        .run({{NameKey, name}, {AddressKey, address}, {PostCodeKey, postCode}, {PhoneKey, phone},
              {DateKey, DateText::toText(accountDate)}, {FaxKey, fax}},
             chosen);
    wait.end();
    m_ctx.prompt().information(m_backupFile.isEmpty() ? Done
                                                      : Done + u'\n' + BackupNote.arg(QDir::toNativeSeparators(m_backupFile)));
    return Field::None;
}
