#include "DryRunLink.h"

#include <QTimer>

void DryRunLink::send(const ControlCommand& command, Handler handler) {
    emit commandSent(command.text);
    ControlReply reply{command.text, true, {}, QString()};
    const QChar letter = command.text.isEmpty() ? QChar() : command.text.front();
    if (command.values > 0) {
        // The read of a value is the lower-case letter of the command that sets it.
        const QStringList last = lastSet_.value(letter.toUpper());
        if (last.size() >= command.values) {
            reply.values = last.mid(0, command.values);
        } else {
            reply = {command.text, false, {}, QStringLiteral("RPRT -11 (not available)")};
        }
    } else {
        lastSet_.insert(letter, command.text.split(u' ', Qt::SkipEmptyParts).mid(1));
    }
    ++waiting_;
    QTimer::singleShot(0, this, [this, handler, reply] {
        --waiting_;
        handler(reply);
    });
}
