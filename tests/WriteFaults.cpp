#include "WriteFaults.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <dlfcn.h>
#include <unistd.h>

namespace {

bool planted = false;
WriteFault kind = WriteFault::DiskFull;
QByteArray folder; // with a trailing separator
long long budget = 0;

// Whether the descriptor's file lies under the folder (an unnamed one is named after its folder).
bool Hit(int descriptor, WriteFault fault)
{
    if (!planted || kind != fault)
        return false;
    char target[PATH_MAX];
    const QByteArray link = "/proc/self/fd/" + QByteArray::number(descriptor);
    const ssize_t size = ::readlink(link.constData(), target, sizeof target);
    return size > folder.size() && std::memcmp(target, folder.constData(), size_t(folder.size())) == 0;
}

int Sync(const char *name, int descriptor)
{
    if (!Hit(descriptor, WriteFault::SyncFails))
        return reinterpret_cast<int (*)(int)>(::dlsym(RTLD_NEXT, name))(descriptor);
    errno = EIO;
    return -1;
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
    static const auto real = reinterpret_cast<ssize_t (*)(int, const void *, size_t)>(::dlsym(RTLD_NEXT, "write"));
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

extern "C" int fsync(int descriptor) { return Sync("fsync", descriptor); }
extern "C" int fdatasync(int descriptor) { return Sync("fdatasync", descriptor); }
