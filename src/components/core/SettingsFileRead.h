#pragma once

#include <QByteArray>
#include <QString>

// What reading the settings file found.
struct SettingsFileRead {
    enum class State {
        Missing,        // there is no file yet
        Read,           // `bytes` holds the whole file
        NotRegularFile, // a folder, a FIFO or a device: never opened, since reading a FIFO waits for ever
        Unreadable,     // it exists, but opening or reading it failed; `systemReason` says why
    };
    State state = State::Missing;
    QByteArray bytes;
    QString systemReason;

    // The file exists but its values cannot be had.
    bool failed() const { return state == State::NotRegularFile || state == State::Unreadable; }
};

SettingsFileRead readSettingsFile(const QString& path);
