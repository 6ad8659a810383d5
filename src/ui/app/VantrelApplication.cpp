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
    QString message;
    try {
        return QApplication::notify(receiver, event);
    } catch (const DbError &e) {
        message = e.message();
    } catch (const std::exception &e) {
        message = QString::fromUtf8(e.what());
    }
    if (m_prompter)
        m_prompter->error(message);
    else
        QMessageBox::critical(nullptr, QStringLiteral("Vantrel"), message);
    return false;
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
