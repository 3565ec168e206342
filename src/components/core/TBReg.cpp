#include "components/core/TBReg.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString withTrailingSlash(QString path) {
    if (!path.isEmpty() && !path.endsWith(u'/'))
        path += u'/';
    return path;
}

QString configHome() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}
QString dataHome() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString applicationsFolder() {
    return dataHome().isEmpty() ? QString() : dataHome() + QStringLiteral("/applications");
}

TBReg::WriteFailureHandler& writeFailureHandler() {
    static TBReg::WriteFailureHandler handler;
    return handler;
}

} // namespace

TBReg::TBReg(QString programmname, QString firmenname)
    : Programmname(std::move(programmname))
    , Firmenname(std::move(firmenname)) {}

QString TBReg::storePath() const {
    const QString relative = Firmenname.isEmpty() ? Programmname : Firmenname + u'/' + Programmname;
    return configHome() + u'/' + relative + QStringLiteral(".conf");
}

void TBReg::Push(const QString& valueName, const QString& value) const {
    const QString path = storePath();
    // The store is opened by its file name, so an empty Firmenname names it by Programmname alone.
    QSettings store(path, QSettings::NativeFormat);
    store.setValue(valueName, value);
    store.sync();
    // A format error only says the old file had lines we could not read; the write went through.
    if (store.status() != QSettings::AccessError)
        return;
    if (writeFailureHandler())
        writeFailureHandler()(valueName, path);
    else
        qWarning("Could not write the setting %s to %s", qPrintable(valueName), qPrintable(path));
}

QString TBReg::Pop(const QString& valueName) const {
    // Lines of a damaged file that still parse are kept; the rest reads as missing.
    QSettings store(storePath(), QSettings::NativeFormat);
    const QVariant value = store.value(valueName);
    // Only text is ours; lists or typed values someone else wrote read as missing.
    if (value.metaType().id() != QMetaType::QString)
        return {};
    return value.toString();
}

void TBReg::PushCheckBox(const QString& valueName, bool checked) const {
    Push(valueName, checked ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TBReg::PopCheckBox(const QString& valueName, bool defaultValue) const {
    const QString text = Pop(valueName);
    if (text == u"1")
        return true;
    if (text == u"0")
        return false;
    return defaultValue;
}

void TBReg::PushGroupPosition(const QString& valueName, int position) const {
    Push(valueName, QString::number(position));
}

void TBReg::PushBool(const QString& valueName, std::initializer_list<bool> flags) const {
    int position = 0;
    for (int i = 1; bool flag : flags) {
        if (flag)
            position = i;
        ++i;
    }
    PushGroupPosition(valueName, position);
}

int TBReg::PopGroupPosition(const QString& valueName, int groupSize, int defaultPosition) const {
    const QString text = Pop(valueName);
    // Only the exact texts "1".."N" count; "01", " 1" or "7" in a group of three do not.
    for (int position = 1; position <= groupSize; ++position) {
        if (text == QString::number(position))
            return position;
    }
    return defaultPosition >= 1 && defaultPosition <= groupSize ? defaultPosition : 0;
}

void TBReg::PopBool(const QString& valueName, std::initializer_list<bool*> flags, int defaultPosition) const {
    const int position = PopGroupPosition(valueName, static_cast<int>(flags.size()), defaultPosition);
    if (position > 0)
        *flags.begin()[position - 1] = true;
}

bool TBReg::IsInt(const QString& text) {
    return !text.isEmpty() && text.front() >= u'0' && text.front() <= u'9';
}

QString TBReg::AppDir() {
    if (QCoreApplication::instance())
        return withTrailingSlash(QCoreApplication::applicationDirPath());
    return withTrailingSlash(QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath());
}

QString TBReg::GetShellFolder(const QString& shellFolderName) {
    const auto user = [](QStandardPaths::StandardLocation location) {
        return QStandardPaths::writableLocation(location);
    };
    QString path;
    if (shellFolderName == u"Desktop")
        path = user(QStandardPaths::DesktopLocation);
    else if (shellFolderName == u"Personal")
        path = user(QStandardPaths::DocumentsLocation);
    else if (shellFolderName == u"AppData")
        path = configHome();
    else if (shellFolderName == u"Cache")
        path = user(QStandardPaths::GenericCacheLocation);
    else if (shellFolderName == u"Fonts")
        path = dataHome().isEmpty() ? QString() : dataHome() + QStringLiteral("/fonts");
    else if (shellFolderName == u"Startup")
        path = configHome().isEmpty() ? QString() : configHome() + QStringLiteral("/autostart");
    // Launchers in the applications folder appear in the desktop's menu and in every file
    // manager's "Open with" list, which is what Programs, Start Menu and Send To stand for here.
    else if (shellFolderName == u"Programs" || shellFolderName == u"Start Menu" || shellFolderName == u"SendTo")
        path = applicationsFolder();
    // Favorites, NetHood and unknown names have no counterpart here.
    return withTrailingSlash(path);
}

QString TBReg::GetDirCache() {
    return GetShellFolder(QStringLiteral("Cache"));
}
QString TBReg::GetDirDesktop() {
    return GetShellFolder(QStringLiteral("Desktop"));
}
QString TBReg::GetDirFavorites() {
    return GetShellFolder(QStringLiteral("Favorites"));
}
QString TBReg::GetDirFonts() {
    return GetShellFolder(QStringLiteral("Fonts"));
}
QString TBReg::GetDirNetHood() {
    return GetShellFolder(QStringLiteral("NetHood"));
}
QString TBReg::GetDirPersonal() {
    return GetShellFolder(QStringLiteral("Personal"));
}
QString TBReg::GetDirPrograms() {
    return GetShellFolder(QStringLiteral("Programs"));
}
QString TBReg::GetDirSendTo() {
    return GetShellFolder(QStringLiteral("SendTo"));
}
QString TBReg::GetDirStartMenu() {
    return GetShellFolder(QStringLiteral("Start Menu"));
}
QString TBReg::GetDirStartup() {
    return GetShellFolder(QStringLiteral("Startup"));
}
QString TBReg::GetDirAppData() {
    return GetShellFolder(QStringLiteral("AppData"));
}
QString TBReg::GetDirQuickLaunch() {
    return {};
}

void TBReg::setWriteFailureHandler(WriteFailureHandler handler) {
    writeFailureHandler() = std::move(handler);
}
