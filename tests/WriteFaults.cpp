#include "WriteFaults.h"

#include <QFile>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <unistd.h>

namespace {

std::atomic<bool> planted = false;
WriteFault kind = WriteFault::DiskFull;
QByteArray folder; // with a trailing separator
long long budget = 0;

template<typename Call>
Call Next(const char *name)
{
    return reinterpret_cast<Call>(::dlsym(RTLD_NEXT, name));
}

// Whether the descriptor is a file under the folder; an unnamed one counts by
// the folder it was made in.
bool Hit(int descriptor, WriteFault fault)
{
    if (!planted || kind != fault)
        return false;
    char link[32];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", descriptor);
    char target[PATH_MAX];
    const ssize_t size = ::readlink(link, target, sizeof target);
    return size > folder.size() && std::memcmp(target, folder.constData(), size_t(folder.size())) == 0;
}

} // namespace

PlantedFault::PlantedFault(WriteFault fault, const QString &where, long long bytes)
{
    kind = fault;
    folder = QFile::encodeName(where) + '/';
    budget = bytes;
    planted = true;
}

PlantedFault::~PlantedFault() { planted = false; }

extern "C" ssize_t write(int descriptor, const void *data, size_t size)
{
    static const auto real = Next<ssize_t (*)(int, const void *, size_t)>("write");
    if (!Hit(descriptor, WriteFault::DiskFull) && !Hit(descriptor, WriteFault::IoError))
        return real(descriptor, data, size);
    if (budget <= 0) {
        errno = kind == WriteFault::DiskFull ? ENOSPC : EIO;
        return -1;
    }
    const ssize_t written = real(descriptor, data, std::min<size_t>(size, size_t(budget)));
    budget -= std::max<ssize_t>(written, 0);
    return written;
}

extern "C" int fsync(int descriptor)
{
    static const auto real = Next<int (*)(int)>("fsync");
    if (!Hit(descriptor, WriteFault::SyncFails))
        return real(descriptor);
    errno = EIO;
    return -1;
}

extern "C" int fdatasync(int descriptor)
{
    static const auto real = Next<int (*)(int)>("fdatasync");
    if (!Hit(descriptor, WriteFault::SyncFails))
        return real(descriptor);
    errno = EIO;
    return -1;
}
