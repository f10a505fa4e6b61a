#include "startupmessages.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace startupmessages {

namespace {

struct Held {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler previous = nullptr;
QList<Held> held;

void holdOrExit(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fputs("百公里耗油计算器：无法打开图形显示，程序退出。"
                   " fuelcalc: cannot open a display (is DISPLAY or WAYLAND_DISPLAY set?)\n",
                   stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    held.append({type, QByteArray(context.category), text});
}

} // namespace

void hold()
{
    previous = qInstallMessageHandler(holdOrExit);
}

void release()
{
    qInstallMessageHandler(previous);
    for (const Held &message : std::as_const(held)) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    held.clear();
}

} // namespace startupmessages
