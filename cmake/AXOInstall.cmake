# Installation: libraries, public and host headers, and a CMake package.
