#pragma once

// The design of the main window: where each control lies and how it looks
// when the window is created.

#include "ui/controls/formbuilder.h"

#include <vector>

namespace composition {

const std::vector<form::Placement> &mainPlacements();
const std::vector<form::Look> &mainLooks();

// Client area of the main window when it is not maximised, in twips.
constexpr int MainClientWidth = 16740;
constexpr int MainClientHeight = 11085;

} // namespace composition
