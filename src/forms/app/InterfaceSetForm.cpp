#include "forms/app/InterfaceSetForm.h"

#include "core/app/GbkText.h"
#include "data/app/SettingsStore.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"
#include "forms/app/WelcomeForm.h"

#include <QFileInfo>

void InterfaceSetForm::load()
{
    SettingsStore store(m_ctx.database());
    store.createIfMissing(WelcomeForm::PictureKey);
    path = store.value(WelcomeForm::PictureKey).value_or(QString());
}

bool InterfaceSetForm::confirm()
{
    if (path.trimmed().isEmpty()) {
        m_ctx.prompt().warning(EmptyMessage);
        return false;
    }
    if (!QFileInfo(path).isFile()) {
        m_ctx.prompt().warning(MissingMessage);
        return false;
    }
    if (GbkText::byteLength(path) > MaxPathBytes) {
        m_ctx.prompt().warning(TooDeepMessage);
        return false;
    }
    SettingsStore store(m_ctx.database());
    store.createIfMissing(WelcomeForm::PictureKey);
    store.setValue(WelcomeForm::PictureKey, path);
    return true;
}

void InterfaceSetForm::clear()
{
    SettingsStore store(m_ctx.database());
    store.createIfMissing(WelcomeForm::PictureKey);
    store.setValue(WelcomeForm::PictureKey, QString());
    path.clear();
}
