#pragma once
// A folder on a full disk, for the tests of every save: the files a test puts
// there first are written normally; after fuellen() no write can take a byte
// more, so a save must fail and leave them as they were.
//
// Two kinds, and each test runs every kind the machine allows:
// - Tmpfs: a small tmpfs of its own (needs root), filled up to its last
//   block. It is mounted in a mount namespace private to the test, so it
//   vanishes with the test whatever happens.
// - Dateigroesse: the process may not make any file larger than it is
//   (RLIMIT_FSIZE), so every write of new bytes fails as on a full disk,
//   through the same system calls.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <csignal>
#include <ostream>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <vector>

namespace testsupport {

class VolleDisk {
public:
    enum class Art { Tmpfs, Dateigroesse };

    // The kinds this machine can make.
    static std::vector<Art> arten()
    {
        std::vector<Art> a{Art::Dateigroesse};
        if (geteuid() == 0 && privaterNamensraum())
            a.insert(a.begin(), Art::Tmpfs);
        return a;
    }
    static const char* name(Art art) { return art == Art::Tmpfs ? "tmpfs" : "RLIMIT_FSIZE"; }
    friend void PrintTo(Art art, std::ostream* os) { *os << name(art); }

    explicit VolleDisk(Art art) : m_art(art)
    {
        m_ordner = m_temp.path() + QStringLiteral("/voll");
        QDir().mkpath(m_ordner);
        if (m_art == Art::Tmpfs)
            m_gemountet = ::mount("tmpfs", QFile::encodeName(m_ordner).constData(), "tmpfs", 0, "size=256k") == 0;
    }
    ~VolleDisk()
    {
        leeren();
        if (m_gemountet)
            ::umount2(QFile::encodeName(m_ordner).constData(), MNT_DETACH);
    }
    VolleDisk(const VolleDisk&) = delete;
    VolleDisk& operator=(const VolleDisk&) = delete;

    bool bereit() const { return m_art == Art::Dateigroesse || m_gemountet; }
    QString ordner() const { return m_ordner; }
    QString pfad(const QString& name) const { return m_ordner + QLatin1Char('/') + name; }

    // From now on nothing more fits.
    void fuellen()
    {
        if (m_art == Art::Tmpfs) {
            QFile f(pfad(QStringLiteral(".fueller")));
            if (f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
                const QByteArray block(4096, 'x');
                while (f.write(block) == block.size()) {
                }
                const QByteArray byte(1, 'x');
                while (f.write(byte) == 1) {
                }
            }
            return;
        }
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_vorher);
        rlimit r = m_vorher;
        r.rlim_cur = 0;
        m_begrenzt = setrlimit(RLIMIT_FSIZE, &r) == 0;
    }
    // Space again, as before fuellen().
    void leeren()
    {
        if (m_begrenzt)
            setrlimit(RLIMIT_FSIZE, &m_vorher);
        m_begrenzt = false;
        QFile::remove(pfad(QStringLiteral(".fueller")));
    }

    // The names in the folder, the filler left out.
    QStringList dateien() const
    {
        QStringList namen = QDir(m_ordner).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
        namen.removeAll(QStringLiteral(".fueller"));
        return namen;
    }

private:
    // Mounts made from here on stay with this process (its main thread, where
    // the tests run); the first call decides for the whole run.
    static bool privaterNamensraum()
    {
        static const bool ok = unshare(CLONE_NEWNS) == 0
                               && ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        return ok;
    }

    Art m_art;
    QTemporaryDir m_temp;
    QString m_ordner;
    bool m_gemountet = false;
    bool m_begrenzt = false;
    rlimit m_vorher{};
};

} // namespace testsupport
