#include "ui/app/VantrelApplication.h"

#include "data/db/DbError.h"
#include "forms/app/Prompter.h"

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
    applyConventions(*this);
}

bool VantrelApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        showError(e);
    }
    return false;
}

QString VantrelApplication::errorText(const std::exception &e)
{
    if (const auto *db = dynamic_cast<const DbError *>(&e))
        return db->operatorMessage();
    return QString::fromUtf8(e.what());
}

void VantrelApplication::showError(const std::exception &e)
{
    const QString message = errorText(e);
    auto *app = dynamic_cast<VantrelApplication *>(QCoreApplication::instance());
    if (app && app->m_prompter)
        app->m_prompter->error(message);
    else
        QMessageBox::critical(nullptr, QStringLiteral("Vantrel"), message);
}

void VantrelApplication::applyConventions(QApplication &app)
{
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    auto *qtbase = new QTranslator(&app);
    if (qtbase->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qtbase);
    QFont font(QStringLiteral("WenQuanYi Zen Hei"));
    font.setPointSize(10);
    app.setFont(font);
}
