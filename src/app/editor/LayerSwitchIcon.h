#pragma once
// The icon of a layer-switching key as the key grid draws it: the blue arrow of
// up and down, the green arrow of a go-to, the red pair of outlines of a temporary
// switch. The key grid and the simulated keyboard's window draw the same icon.

#include <QPainter>
#include <QPoint>
#include <cstdint>

namespace vl {

// The layer a go-to or a temporary switch names; -1 for every other function.
int LayerSwitchTarget(uint8_t func);

// The icon of func (nothing for a function that switches no layer) with its
// points scaled by scale from the cell's top-left corner origin, outlined in the
// painter's pen. The painter's brush is left as it was.
void PaintLayerSwitchIcon(QPainter& painter, uint8_t func, const QPoint& origin, int scale);

}  // namespace vl
