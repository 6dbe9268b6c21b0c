#pragma once

#include <QString>

// A fault planted in this test program's own write, fsync, fdatasync, fchmod,
// fsetxattr and lstat, for the files under one folder: no root, small file
// system or FUSE mount needed, and Qt's writes are hit as well as ours. Built
// in by euro_plant_faults (CMake).
enum class WriteFault {
    DiskFull,   // writes succeed for the budget's bytes, then fail with ENOSPC
    IoError,    // the same with EIO
    SyncFails,  // every sync fails with EIO
    NoModes,    // fchmod fails with ENOSYS and fsetxattr with ENOTSUP, as on a FAT stick through FUSE
    OtherOwner, // lstat says another user owns what lies there
};

struct PlantedFault
{
    PlantedFault(WriteFault fault, const QString &folder, long long budget = 0);
    ~PlantedFault();
};
