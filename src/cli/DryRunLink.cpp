#include "DryRunLink.h"

#include <QCoreApplication>
#include <QTimer>

void DryRunLink::send(const ControlCommand& command, Handler handler) {
    emit commandSent(command.text);
    ControlReply reply{command.text, true, {}, QString()};
    const QChar letter = command.text.isEmpty() ? QChar() : command.text.front();
    const QStringList words = command.text.split(u' ', Qt::SkipEmptyParts).mid(1);
    if (letter == u'V' && !words.isEmpty()) vfo_ = words.front();
    // Frequencies and modes are kept for each VFO, as a radio keeps them.
    const QString slot = QString(letter.toUpper()) + u' ' + vfo_;
    if (command.values > 0) {
        // The read of a value is the lower-case letter of the command that sets it.
        const QStringList last = lastSet_.value(slot);
        if (last.size() >= command.values) {
            reply.values = last.mid(0, command.values);
        } else {
            reply = {command.text, false, {}, QStringLiteral("RPRT -11 (not available)")};
        }
    } else {
        lastSet_.insert(slot, words);
    }
    ++waiting_;
    QTimer::singleShot(0, this, [this, handler, reply] {
        --waiting_;
        handler(reply);
    });
}
