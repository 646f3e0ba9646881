#pragma once

// Whether a control is out of sight although shown: wholly covered by an
// opaque control stacked above it, at any level of its containers (the
// answers under the results panel, for example).

class QWidget;

namespace stacking {

bool isCovered(const QWidget *widget);

} // namespace stacking
