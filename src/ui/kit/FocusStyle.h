#pragma once

#include <QProxyStyle>

// The program's style: the platform style with a focus ring the operator can see on every
// button and tick box that has the keyboard focus (Fusion draws none on push buttons, and the
// others only after a Tab press).
class FocusStyle : public QProxyStyle
{
public:
    FocusStyle();

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;

private:
    static void drawRing(const QStyleOption *option, QPainter *painter, const QRect &rect);
};
