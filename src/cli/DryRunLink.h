// A stand-in for a control daemon's connection that only shows the commands: every set command
// succeeds, and a read gives back what was last set, so that a dry run goes through a whole
// pass as it would with the daemon.
#pragma once

#include <QMap>
#include <QObject>

#include "CommandLink.h"

class DryRunLink : public QObject, public CommandLink {
    Q_OBJECT
public:
    using QObject::QObject;

    bool isReady() const override { return true; }
    bool isIdle() const override { return waiting_ == 0; }
    void send(const ControlCommand& command, Handler handler) override;

signals:
    void commandSent(const QString& command);

private:
    // The values of the last set command, by its letter and the VFO it was sent on.
    QMap<QString, QStringList> lastSet_;
    QString vfo_;
    int waiting_ = 0;
};
