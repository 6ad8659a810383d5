#pragma once

#include <QString>

class QBoxLayout;
class QLineEdit;
class QWidget;

// Small helpers every screen uses to build captioned inputs the same way.
namespace FormLayout {
// A row "caption  [edit]" with the label as the edit's buddy, so the caption is its accessible name.
QLineEdit *addField(QBoxLayout *layout, const QString &caption);
// Labels the widget with its caption: buddy label text and accessible name.
void caption(QWidget *input, const QString &caption);
// Enter in a one-line input moves the focus on, as Tab does.
void enterMovesFocus(QWidget *screen);
}
