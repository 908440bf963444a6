#include "IndicatorStyle.h"

#include "ThemeManager.h"

#include <QPainter>
#include <QStyleOption>

void IndicatorStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
    QPainter* painter, const QWidget* widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element != PE_IndicatorCheckBox && element != PE_IndicatorRadioButton)
        return;
    // The keyboard focus ring keeps the highlight colour it was drawn in.
    if (option->state.testFlag(State_HasFocus) && option->state.testFlag(State_KeyboardFocusChange))
        return;
    const bool enabled = option->state.testFlag(State_Enabled);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(enabled ? ThemeManager::controlEdge(option->palette)
                            : option->palette.color(QPalette::Disabled, QPalette::Text));
    // Over the very outline Fusion drew: a half-pixel-aligned square, or a
    // circle one pixel down and right of the box's centre.
    const QRect box = option->rect;
    if (element == PE_IndicatorCheckBox) {
        painter->translate(0.5, 0.5);
        painter->drawRect(box.adjusted(0, 0, -1, -1));
    } else {
        const qreal radius = (box.width() + (box.width() + 1) % 2) / 2.0 - 1;
        painter->drawEllipse(QPointF(box.center() + QPoint(1, 1)), radius, radius);
    }
    painter->restore();
}
