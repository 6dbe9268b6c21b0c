// Copies two files of one name into a folder in turn, until killed. Tells its
// parent once the first copy is done, so a kill always lands inside the loop.
#include "files/FileOperations.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 4)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[3]);
    for (unsigned i = 0;; ++i) {
        if (CopyOrMoveFiles(FileTransfer::Copy, {QString::fromLocal8Bit(argv[1 + i % 2])}, folder).failed())
            return 1;
        if (i == 0) {
            std::fputs("copying\n", stdout);
            std::fflush(stdout);
        }
    }
}
