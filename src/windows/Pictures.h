#pragma once

#include "core/ErrorCode.h"

#include <QIcon>

// The program's pictures, drawn from their SVG resources. Each picture is read
// once and drawn only at the sizes it is shown at, so a window with many
// pictures opens quickly and stays sharp at any screen scale.
QIcon Picture(const char *name);

// Whether a picture is there to be drawn: a failure naming its resource when
// not, for a window that reports what it cannot show.
Failure PictureFailure(const char *name);
