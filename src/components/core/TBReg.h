#pragma once

#include "components/core/SettingsFileRead.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <utility>

// A save the settings store could not make; the file keeps what it held before.
struct TBRegWriteFailure {
    QStringList valueNames;
    QString storePath;
    bool storeNotRegularFile = false; // the store's path is a folder, a FIFO or a device
    QString systemReason;             // otherwise the system's reason
};

// Keeps an application's settings as text values under one key (QSettings' format, user scope,
// organisation = Firmenname, application = Programmname). Every call reads the store anew,
// so a value another process wrote is seen at the next Pop. The file is read and replaced by
// this class itself: a path that is no regular file is never opened, and a save that cannot be
// completed leaves the previous file whole.
class TBReg {
public:
    QString Programmname;
    QString Firmenname;

    TBReg() = default;
    TBReg(QString programmname, QString firmenname);

    // The settings file the two names lead to.
    QString storePath() const;

    void Push(const QString& valueName, const QString& value) const;
    // Empty text for a missing store or value, a value that is not text, or an unreadable store.
    QString Pop(const QString& valueName) const;

    // What reading the store finds now; failed() when it exists but its values cannot be had
    // (Pop then gives defaults and Push leaves the file alone).
    SettingsFileRead readState() const;

    // While a Batch lives, the Pushes through its store are collected and saved together when it
    // ends, so that a store which cannot be written is reported once for all of them.
    class Batch {
    public:
        explicit Batch(const TBReg& reg);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        const TBReg& m_reg;
    };

    void PushCheckBox(const QString& valueName, bool checked) const;
    // "1" -> true, "0" -> false, anything else -> defaultValue.
    bool PopCheckBox(const QString& valueName, bool defaultValue) const;

    // Groups of 2 to 10 members, stored as the 1-based position of the last set member, "0" for none.
    void PushBool(const QString& valueName, std::initializer_list<bool> flags) const;
    // Writes a group's position directly ("0" for none), for groups whose members are not bools.
    void PushGroupPosition(const QString& valueName, int position) const;
    // Sets the stored flag (or the default position's flag) to true; touches no other flag.
    void PopBool(const QString& valueName, std::initializer_list<bool*> flags, int defaultPosition) const;
    // The position a group of groupSize members restores to: the stored one, else defaultPosition
    // when it lies in 1..groupSize, else 0 (leave the group as it is).
    int PopGroupPosition(const QString& valueName, int groupSize, int defaultPosition) const;

    static bool IsInt(const QString& text);
    // Folder of the running program's file, ending with "/".
    static QString AppDir();

    // The user's shell folders mapped to the XDG user folders, ending with "/"; empty text
    // for a folder this platform does not have.
    static QString GetShellFolder(const QString& shellFolderName);
    static QString GetDirCache();
    static QString GetDirDesktop();
    static QString GetDirFavorites();
    static QString GetDirFonts();
    static QString GetDirNetHood();
    static QString GetDirPersonal();
    static QString GetDirPrograms();
    static QString GetDirSendTo();
    static QString GetDirStartMenu();
    static QString GetDirStartup();
    static QString GetDirAppData();
    static QString GetDirQuickLaunch();

    // Called once for each save that could not be made (one Push, or one Batch), so the program
    // can tell the user. Without a handler the failure is logged as a warning.
    using WriteFailureHandler = std::function<void(const TBRegWriteFailure& failure)>;
    static void setWriteFailureHandler(WriteFailureHandler handler);

private:
    void save(const QList<std::pair<QString, QString>>& values) const;

    mutable QList<std::pair<QString, QString>> m_pendingValues;
    mutable int m_openBatches = 0;
};
