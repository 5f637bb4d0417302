#pragma once

namespace rorovovo {

// How a line is drawn: by the rhythm table for each curve, and by the drawing surface for everything.
enum class PenStyle { Solid, DashDotDot, Clear, Dash, Dot, DashDot, LongDash };

}  // namespace rorovovo
