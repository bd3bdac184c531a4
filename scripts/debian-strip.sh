#!/bin/sh
# strip as Debian's own packages are stripped: also without the compiler's
# notes, which nothing reads at run time. CPack calls it as CMAKE_STRIP.
exec strip --remove-section=.comment --remove-section=.note "$@"
