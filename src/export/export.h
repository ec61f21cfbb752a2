// Results as data and as pictures: CSV tables and SVG diagrams of each designed problem.
#pragma once

namespace ss {} // namespace ss
