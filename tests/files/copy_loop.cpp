// Copies two files of one name into a folder in turn, until killed. Tells its
// parent once the first copy is done, so a kill always lands inside the loop.
#include "files/FileOperations.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 4)
        return 2;
    const QStringList sources[] = {{QString::fromLocal8Bit(argv[1])}, {QString::fromLocal8Bit(argv[2])}};
    const QString folder = QString::fromLocal8Bit(argv[3]);
    for (bool first = true, second = false;; first = false, second = !second) {
        if (CopyOrMoveFiles(FileTransfer::Copy, sources[second], folder).failed())
            return 1;
        if (first) {
            std::fputs("copying\n", stdout);
            std::fflush(stdout);
        }
    }
}
