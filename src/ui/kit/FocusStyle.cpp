#include "ui/kit/FocusStyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

FocusStyle::FocusStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void FocusStyle::drawRing(const QStyleOption *option, QPainter *painter, const QRect &rect)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(option->palette.color(QPalette::Highlight), 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(QRectF(rect).adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
    painter->restore();
}

void FocusStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                             const QWidget *widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && (option->state & State_HasFocus) && (option->state & State_Enabled))
        drawRing(option, painter, option->rect);
}

void FocusStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                                    const QWidget *widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ToolButton && (option->state & State_HasFocus) && (option->state & State_Enabled))
        drawRing(option, painter, option->rect);
}

void FocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                               const QWidget *widget) const
{
    if (element == PE_FrameFocusRect) {
        if (auto *rect = qstyleoption_cast<const QStyleOptionFocusRect *>(option)) {
            // Shown however the focus came: by Tab, by Enter or by the mouse.
            QStyleOptionFocusRect shown(*rect);
            shown.state |= State_KeyboardFocusChange;
            QProxyStyle::drawPrimitive(element, &shown, painter, widget);
            return;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}
