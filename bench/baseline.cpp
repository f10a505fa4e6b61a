// The toolkit's floor for start-up: a bare Qt Widgets window with one line
// edit and one button, nothing else. With --chinese the button says 计算,
// which shows what a Chinese caption costs on its own (a CJK font found by
// fallback, its glyphs rendered).
#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    auto *layout = new QHBoxLayout(&window);
    layout->addWidget(new QLineEdit);
    const bool chinese = argc > 1 && qstrcmp(argv[1], "--chinese") == 0;
    layout->addWidget(new QPushButton(chinese ? QStringLiteral("计算") : QStringLiteral("OK")));
    window.show();
    return app.exec();
}
