#include "ui/app/ScreenCatalog.h"

#include "ui/tools/TForm_feedback.h"
#include "ui/tools/TForm_notes.h"

using namespace Qt::StringLiterals;
using Rule = RightsTable::Rule;
using K = ScreenCatalog::Kind;
using C = ScreenCatalog;

void registerToolsScreens(ScreenCatalog &c)
{
    c.declare({.name = u"记事"_s, .status = u" 记事"_s, .rule = Rule::none(), .kind = K::Dialog, .places = {C::toolButton(20)},
               .factory = C::screen<TForm_notes>()});
    c.declare({.name = u"意见反馈"_s, .status = u" 意见反馈"_s, .rule = Rule::none(), .kind = K::Dialog,
               .places = {C::menuItem(C::Menu::Help, 30)}, .factory = C::screen<TForm_feedback>()});
}
