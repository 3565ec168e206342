#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>

// A folder whose file system has no room left once fill() is called, for the failure paths of
// writers. It is a tiny tmpfs filled to the last page where mounting is allowed; elsewhere every
// file of the process is held to its current size instead (ENOSPC becomes EFBIG, the same failure
// for a writer). Files made before fill() keep their bytes.
class FullFolder {
public:
    FullFolder() { m_mounted = ::mount("tmpfs", qPrintable(m_base.path()), "tmpfs", 0, "size=64k,mode=0700") == 0; }
    ~FullFolder() {
        if (m_limited) {
            ::setrlimit(RLIMIT_FSIZE, &m_previousLimit);
            std::signal(SIGXFSZ, SIG_DFL);
        }
        QFile::remove(fillerPath());
        if (m_mounted)
            ::umount(qPrintable(m_base.path()));
    }
    FullFolder(const FullFolder&) = delete;
    FullFolder& operator=(const FullFolder&) = delete;

    QString path() const { return m_base.path(); }
    QString filePath(const QString& name) const { return QDir(m_base.path()).filePath(name); }

    void fill() {
        if (m_mounted) {
            QFile filler(fillerPath());
            if (filler.open(QIODevice::WriteOnly)) {
                const QByteArray block(4096, 'x');
                while (filler.write(block) == block.size() && filler.flush()) {
                }
            }
            return;
        }
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_previousLimit);
        const struct rlimit none { 0, m_previousLimit.rlim_max };
        m_limited = ::setrlimit(RLIMIT_FSIZE, &none) == 0;
    }

private:
    QString fillerPath() const { return filePath(QStringLiteral(".filler")); }

    QTemporaryDir m_base;
    bool m_mounted = false;
    bool m_limited = false;
    struct rlimit m_previousLimit {};
};
