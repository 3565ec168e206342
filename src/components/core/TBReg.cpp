#include "components/core/TBReg.h"

#include "components/core/SettingsCopy.h"
#include "components/core/WholeFileSave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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

void reportWriteFailure(const TBRegWriteFailure& failure) {
    if (writeFailureHandler())
        writeFailureHandler()(failure);
    else
        qWarning("Could not write the settings %s to %s: %s", qPrintable(failure.valueNames.join(u", ")),
                 qPrintable(failure.storePath), qPrintable(failure.systemReason));
}

// Writes `values` into the store at `path`; false, with `failure` telling why, leaves the file as it was.
bool savedValues(const QString& path, const QList<std::pair<QString, QString>>& values, TBRegWriteFailure& failure) {
    const SettingsFileRead current = readSettingsFile(path);
    if (current.failed()) {
        // Writing would replace values we could not read.
        failure.storeNotRegularFile = current.state == SettingsFileRead::State::NotRegularFile;
        failure.systemReason = current.systemReason;
        return false;
    }
    SettingsCopy copy(current.bytes);
    if (!copy.isReady(failure.systemReason))
        return false;
    for (const auto& [name, value] : values)
        copy.settings().setValue(name, value);
    QByteArray bytes;
    if (!copy.changedBytes(bytes, failure.systemReason))
        return false;
    QDir().mkpath(QFileInfo(path).absolutePath());
    return saveWholeFile(path, bytes, failure.systemReason);
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
    if (m_openBatches > 0)
        m_pendingValues.append({valueName, value});
    else
        save({{valueName, value}});
}

void TBReg::save(const QList<std::pair<QString, QString>>& values) const {
    TBRegWriteFailure failure;
    failure.storePath = storePath();
    for (const auto& [name, value] : values)
        failure.valueNames.append(name);
    if (!savedValues(failure.storePath, values, failure))
        reportWriteFailure(failure);
}

QString TBReg::Pop(const QString& valueName) const {
    const SettingsFileRead file = readState();
    if (file.state != SettingsFileRead::State::Read)
        return {};
    // Lines of a damaged file that still parse are kept; the rest reads as missing.
    SettingsCopy copy(file.bytes);
    QString reason;
    if (!copy.isReady(reason))
        return {};
    const QVariant value = copy.settings().value(valueName);
    // Only text is ours; lists or typed values someone else wrote read as missing.
    if (value.metaType().id() != QMetaType::QString)
        return {};
    return value.toString();
}

SettingsFileRead TBReg::readState() const {
    return readSettingsFile(storePath());
}

TBReg::Batch::Batch(const TBReg& reg)
    : m_reg(reg) {
    ++m_reg.m_openBatches;
}

TBReg::Batch::~Batch() {
    if (--m_reg.m_openBatches > 0 || m_reg.m_pendingValues.isEmpty())
        return;
    const QList<std::pair<QString, QString>> values = std::exchange(m_reg.m_pendingValues, {});
    m_reg.save(values);
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
