#pragma once

#include <QPainter>
#include <QPointF>

// Bones for the skeletons: a shaft with knobbed ends, and a skull.
namespace velmor::artgen {

void bone(QPainter& p, QPointF a, QPointF b, double width);
void vertebra(QPainter& p, QPointF at, double r);
// An animal skull in profile, facing left, fitted to the box.
void beastSkull(QPainter& p, const QRectF& box, bool horns);

} // namespace velmor::artgen
