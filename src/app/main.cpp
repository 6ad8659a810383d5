#include "data/db/Database.h"
#include "data/db/IndexUpkeep.h"
#include "forms/app/AppContext.h"
#include "forms/app/Startup.h"
#include "ui/app/QtPrompter.h"
#include "ui/app/TForm_main.h"
#include "ui/app/TForm_waiting.h"
#include "ui/app/VantrelApplication.h"

int main(int argc, char *argv[])
{
    VantrelApplication app(argc, argv);
    QtPrompter prompter;
    app.setPrompter(&prompter);

    AppContext ctx;
    ctx.AppDir = QCoreApplication::applicationDirPath();
    ctx.prompter = &prompter;
    ctx.settingsFile = qEnvironmentVariable("VANTREL_SETTINGS_FILE");

    // A file from an earlier release gets its new indexes when it is first opened.
    IndexUpkeep::setBuildingNotice(&TForm_waiting::begin, &TForm_waiting::end);
    Startup::Result started = Startup::prepare(ctx.AppDir, QCoreApplication::applicationFilePath(), ctx.settingsFile);
    if (!started.db) {
        prompter.error(started.message);
        return 1;
    }
    ctx.db = started.db.get();
    ctx.ConnStr = ctx.db->path();

    // The main window logs the operator in on its first show and ends the program when the
    // operator leaves at the login.
    TForm_waiting::instance(); // the please-wait window exists from the start, hidden
    TForm_main mainWindow(ctx);
    prompter.setParent(&mainWindow);
    mainWindow.showMaximized();
    const int code = app.exec();
    if (ctx.db->isOpen())
        IndexUpkeep::optimize(*ctx.db);
    return code;
}
