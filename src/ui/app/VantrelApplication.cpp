#include "ui/app/VantrelApplication.h"

#include "data/db/DbError.h"
#include "forms/app/Prompter.h"
#include "ui/app/AppIcon.h"
#include "ui/kit/FocusStyle.h"

#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

VantrelApplication::VantrelApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Vantrel"));
    setApplicationDisplayName(QStringLiteral("Vantrel"));
    setDesktopFileName(QStringLiteral("vantrel"));
    setWindowIcon(AppIcon::make());
    applyConventions(*this);
}

bool VantrelApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        showError(m_prompter, e);
    }
    return false;
}

QString VantrelApplication::errorText(const std::exception &error)
{
    if (const auto *dbError = dynamic_cast<const DbError *>(&error))
        return dbError->operatorMessage();
    return QString::fromUtf8(error.what());
}

void VantrelApplication::showError(Prompter *prompter, const std::exception &error)
{
    const QString message = errorText(error);
    if (prompter)
        prompter->error(message);
    else
        QMessageBox::critical(nullptr, QStringLiteral("Vantrel"), message);
}

void VantrelApplication::applyConventions(QApplication &app)
{
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    app.setStyle(new FocusStyle);
    auto *qtbase = new QTranslator(&app);
    if (qtbase->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qtbase);
    QFont font(QStringLiteral("WenQuanYi Zen Hei"));
    font.setPointSize(10);
    app.setFont(font);
}
