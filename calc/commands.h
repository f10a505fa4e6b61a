#pragma once

class QWidget;

// The two button commands. Each works on the calculator window through the
// texts of its edit boxes, found by their names, and keeps nothing between
// runs.
namespace commands {

// Cost per km = money ÷ distance, shown in 编辑框6; then litres per 100 km =
// (the cost per km as shown) × 100 ÷ price, shown in 编辑框5. Whatever the
// boxes hold, both results are written: a figure, ∞ or 无效.
void calculate(QWidget &window);

// Empties the three input boxes and the two result boxes.
void clear(QWidget &window);

} // namespace commands
