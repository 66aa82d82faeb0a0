#pragma once

#include <QFile>
#include <QString>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

// The small file system of tests/con-disco-pieno.sh: its folder, or empty
// when the test runs without it.
inline QString cartellaDiscoPieno()
{
    return qEnvironmentVariable("PINNOLE_DISCO_PIENO");
}

// Fills the file system to its last byte by appending to riempitivo; true
// once a write was refused for want of room.
inline bool riempiDisco(const QString &riempitivo)
{
    const int fd = ::open(QFile::encodeName(riempitivo).constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (fd < 0)
        return false;
    const QByteArray blocco(4096, 'x');
    while (::write(fd, blocco.constData(), size_t(blocco.size())) > 0) {
    }
    while (::write(fd, "x", 1) > 0) {
    }
    const bool pieno = errno == ENOSPC;
    ::close(fd);
    return pieno;
}
