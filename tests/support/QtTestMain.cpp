// GoogleTest main for tests that need a QApplication. Runs offscreen and with a private
// HOME and XDG folders, so no test reads or writes the real user's settings or desktop.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    const QString root = home.path();
    for (const char* sub : {"config", "data", "cache", "runtime", "Desktop"})
        QDir(root).mkpath(QString::fromLatin1(sub));
    QFile::setPermissions(root + "/runtime", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    setenv("HOME", qPrintable(root), 1);
    setenv("XDG_CONFIG_HOME", qPrintable(root + "/config"), 1);
    setenv("XDG_DATA_HOME", qPrintable(root + "/data"), 1);
    setenv("XDG_CACHE_HOME", qPrintable(root + "/cache"), 1);
    setenv("XDG_RUNTIME_DIR", qPrintable(root + "/runtime"), 1);
    if (!getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);

    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
