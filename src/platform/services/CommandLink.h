// Where commands of the rig and rotator control protocol go: a daemon's connection, or a dry
// run that only shows them. One command at a time; each answer comes back as a value.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

struct ControlCommand {
    QString text;    // the command line without its line end, such as "F 145800000"
    int values = 0;  // lines of values a successful answer holds; 0: a "RPRT 0" report
};

// A command's answer: its values, or why there are none (the daemon's error report, an
// answer that is not the protocol's, no answer in time, no connection).
struct ControlReply {
    QString command;
    bool ok = false;
    QStringList values;
    QString error;
};

class CommandLink {
public:
    using Handler = std::function<void(const ControlReply&)>;
    virtual ~CommandLink() = default;
    // Whether commands can be sent now.
    virtual bool isReady() const = 0;
    // Whether no command is waiting or unanswered.
    virtual bool isIdle() const = 0;
    // Sends the command after those before it; the handler is called once with its answer,
    // always from the event loop, never from within send.
    virtual void send(const ControlCommand& command, Handler handler) = 0;
};
