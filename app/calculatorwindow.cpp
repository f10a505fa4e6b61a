#include "calculatorwindow.h"

#include "commands.h"
#include "ui_calculatorwindow.h"

CalculatorWindow::CalculatorWindow(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::CalculatorWindow>())
{
    ui->setupUi(this);

    // A form cannot hold window flags: a fixed-size window with a caption,
    // system menu and close box, and no minimise or maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    connect(ui->按钮1, &QPushButton::clicked, this, [this] { commands::calculate(*this); });
    connect(ui->按钮2, &QPushButton::clicked, this, [this] { commands::clear(*this); });

    ui->编辑框2->setFocus();
}

CalculatorWindow::~CalculatorWindow() = default;
