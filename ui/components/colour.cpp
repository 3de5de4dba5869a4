#include "ui/components/colour.h"

#include <QGuiApplication>
#include <QPalette>

namespace korvane::components {

QColor toQColor(const model::Colour& colour) {
  if (colour.buttonFace) return QGuiApplication::palette().color(QPalette::Active, QPalette::Button);
  return QColor(colour.red, colour.green, colour.blue);
}

}  // namespace korvane::components
