#pragma once
#include <string>
#include <string_view>

namespace sumcraft {

// Replaces the file at path by contents so that the file always holds either
// its old contents or the new ones, never a part: the bytes go to a new file
// in the same folder, are flushed to the disk, and that file is renamed over
// the old one. A symbolic link is followed, so the link stays a link. The
// new file takes the permissions of the old one. On failure the temporary
// file is removed, the old file is untouched and std::system_error is
// raised; its what() says which step failed and why.
void WriteFileAtomically(const std::string& path, std::string_view contents);

}  // namespace sumcraft
