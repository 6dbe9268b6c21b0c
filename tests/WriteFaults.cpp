#include "WriteFaults.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <dlfcn.h>
#include <sys/stat.h>
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

// Whether the path names the folder or lies under it.
bool Under(const char *path, WriteFault fault)
{
    const qsizetype length = folder.size() - 1;
    return planted && kind == fault && std::strncmp(path, folder.constData(), size_t(length)) == 0
        && (path[length] == '\0' || path[length] == '/');
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

extern "C" int fchmod(int descriptor, mode_t mode)
{
    static const auto real = reinterpret_cast<int (*)(int, mode_t)>(::dlsym(RTLD_NEXT, "fchmod"));
    if (!Hit(descriptor, WriteFault::NoModes))
        return real(descriptor, mode);
    errno = ENOSYS;
    return -1;
}

extern "C" int fsetxattr(int descriptor, const char *name, const void *value, size_t size, int flags)
{
    static const auto real =
        reinterpret_cast<int (*)(int, const char *, const void *, size_t, int)>(::dlsym(RTLD_NEXT, "fsetxattr"));
    if (!Hit(descriptor, WriteFault::NoModes))
        return real(descriptor, name, value, size, flags);
    errno = ENOTSUP;
    return -1;
}

extern "C" int lstat(const char *path, struct stat *info)
{
    static const auto real = reinterpret_cast<int (*)(const char *, struct stat *)>(::dlsym(RTLD_NEXT, "lstat"));
    const int result = real(path, info);
    if (result == 0 && Under(path, WriteFault::OtherOwner))
        info->st_uid = ::geteuid() + 1;
    return result;
}
