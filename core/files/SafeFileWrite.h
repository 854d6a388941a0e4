// SPDX-License-Identifier: MIT
#pragma once

#include "files/WriteOutcome.h"

#include <string>
#include <string_view>

// Replaces the contents of the regular file `path` with `bytes` so that the
// file is either the old one or the new one, never a mix: the bytes go to a
// temporary file in the same folder, reach the disk, and only then is it
// renamed over the target. A hard link to the old file therefore keeps the
// old content. On any failure the temporary file is removed, the old file
// keeps every byte, and the system's reason comes back. An existing file must
// be writable and keeps its permission bits, and its owner and group where
// the system allows; a new one gets 0666 less the umask, as any created file.
// When `path` is a symbolic link, the file it points to is replaced and the
// link stays; a link to nothing is refused.
//
// Nothing but a regular file is ever renamed over. A named pipe or a
// character device is written into directly (see WriteIntoStream); a folder,
// a block device, a socket and an empty name are refused.
WriteOutcome WriteFileSafely(const std::string& path, std::string_view bytes);
