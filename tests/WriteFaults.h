#pragma once

#include <QString>

// Faults planted in this test program's own system calls, for the files under
// one folder: a disk that fills up after some bytes, an I/O error, a failed
// sync. No root and no small file system needed, and whoever writes there is
// hit, the program's code and Qt's alike. A test program that plants them is
// built with WriteFaults.cpp, whose write, fsync and fdatasync stand in for the
// C library's (euro_plant_faults in tests/CMakeLists.txt).
enum class WriteFault {
    DiskFull,  // writes succeed for the budget's bytes in all, then fail with ENOSPC
    IoError,   // the same with EIO
    SyncFails, // every fsync and fdatasync fails with EIO
};

class PlantedFault
{
public:
    PlantedFault(WriteFault fault, const QString &folder, long long budget = 0);
    ~PlantedFault();
    PlantedFault(const PlantedFault &) = delete;
    PlantedFault &operator=(const PlantedFault &) = delete;
};
