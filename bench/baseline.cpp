// The toolkit's floor for start-up: a bare Qt Widgets window with one line
// edit and one button, nothing else.
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
    layout->addWidget(new QPushButton(QStringLiteral("OK")));
    window.show();
    return app.exec();
}
