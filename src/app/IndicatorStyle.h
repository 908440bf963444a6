#pragma once

#include <QProxyStyle>

// Fusion draws the edge of an unticked check box or radio button in a shade of
// the window colour, which the dark palette leaves nearly invisible (and the
// light one faint). This style draws those edges in the palette's control
// edge colour (ThemeManager::controlEdge) instead.
class IndicatorStyle : public QProxyStyle {
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget = nullptr) const override;
};
