#include "calculatorwindow.h"
#include "startupmessages.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

#include <cfenv>

int main(int argc, char *argv[])
{
    // Round to nearest with every floating-point exception masked, whatever the
    // loader left: a division by zero in Calculate gives ∞ or NaN, never a trap.
    std::fesetenv(FE_DFL_ENV);

    // The program takes no command line: the toolkit sees only its name, so
    // none of Qt's own options (-style, -stylesheet, -platform …) apply.
    static char fallbackName[] = "fuelcalc";
    char *qtArgv[] = {argc > 0 && argv[0] ? argv[0] : fallbackName, nullptr};
    int qtArgc = 1;

    startupmessages::hold();
    QApplication app(qtArgc, qtArgv);
    startupmessages::release();

    CalculatorWindow window;
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           window.screen()->availableGeometry()));
    window.show();
    app.exec();
    return 0;
}
