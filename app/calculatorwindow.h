#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class CalculatorWindow;
}

// The calculator's one window, built from its form; the buttons run the
// Calculate and Clear commands.
class CalculatorWindow : public QWidget {
    Q_OBJECT

public:
    explicit CalculatorWindow(QWidget *parent = nullptr);
    ~CalculatorWindow() override;

private:
    std::unique_ptr<Ui::CalculatorWindow> ui;
};
