#pragma once
// Which file a path names, so that two paths are compared as files rather
// than as texts: "x", "./x" and a symbolic link to x are one file. A file
// that exists is known by its device and inode; one yet to be written by the
// canonical path of its folder and its name. "-" stands for stdout, which has
// an identity only when it is redirected into a regular file.

#include <sys/types.h>

#include <optional>
#include <string>

namespace lamvero {

class FileIdentity {
 public:
  // The file path names, or stdout for "-"; nothing when "-" is no regular file.
  static std::optional<FileIdentity> Of(const std::string& path);

  bool operator==(const FileIdentity& other) const;

 private:
  bool exists_ = false;
  dev_t device_ = 0;
  ino_t inode_ = 0;
  std::string canonical_;  // a file yet to be written: folder resolved, then its name
};

}  // namespace lamvero
