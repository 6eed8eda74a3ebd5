#include "tools/fileidentity.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace lamvero {

std::optional<FileIdentity> FileIdentity::Of(const std::string& path) {
  FileIdentity id;
  struct stat st {};
  if (path == "-") {
    if (::fstat(STDOUT_FILENO, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  } else if (::stat(path.c_str(), &st) != 0) {
    namespace fs = std::filesystem;
    std::error_code ignored;  // a folder that cannot be resolved is compared as written
    const fs::path absolute = fs::absolute(fs::path(path), ignored);
    const fs::path folder = fs::weakly_canonical(absolute.parent_path(), ignored);
    id.canonical_ = (folder / absolute.filename()).lexically_normal().string();
    return id;
  }
  id.exists_ = true;
  id.device_ = st.st_dev;
  id.inode_ = st.st_ino;
  return id;
}

bool FileIdentity::operator==(const FileIdentity& other) const {
  if (exists_ != other.exists_) return false;
  if (exists_) return device_ == other.device_ && inode_ == other.inode_;
  return canonical_ == other.canonical_;
}

}  // namespace lamvero
