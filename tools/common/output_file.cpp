#include "tools/common/output_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

static std::string failure(const std::string& path, int error_number)
{
    return "cannot write " + path + ": " + std::strerror(error_number);
}

OutputFile::~OutputFile()
{
    if (stream_)
        std::fclose(stream_);
    if (!temporary_.empty())
        unlink(temporary_.c_str());
}

bool OutputFile::open(const std::string& path, std::string& error)
{
    path_ = path;
    const size_t slash = path.rfind('/');
    const std::string dir = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string name = dir + "." + base + ".XXXXXX";
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        error = failure(path, errno);
        return false;
    }
    temporary_ = name;
    // mkstemp makes the file 0600; a picture is as readable as any new file.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    stream_ = fdopen(fd, "wb");
    if (!stream_) {
        error = failure(path, errno);
        close(fd);
        return false;
    }
    return true;
}

bool OutputFile::commit(std::string& error)
{
    bool ok = std::fflush(stream_) == 0 && !std::ferror(stream_) && fsync(fileno(stream_)) == 0;
    int saved = errno;
    if (std::fclose(stream_) != 0 && ok) {
        ok = false;
        saved = errno;
    }
    stream_ = nullptr;
    if (ok && std::rename(temporary_.c_str(), path_.c_str()) != 0) {
        ok = false;
        saved = errno;
    }
    if (!ok) {
        error = failure(path_, saved);
        return false;
    }
    temporary_.clear();
    return true;
}

bool make_directory(const std::string& dir, std::string& error)
{
    for (size_t slash = dir.find('/', 1);; slash = dir.find('/', slash + 1)) {
        const std::string part = dir.substr(0, slash);
        if (mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) {
            error = "cannot make the directory " + part + ": " + std::strerror(errno);
            return false;
        }
        if (slash == std::string::npos)
            break;
    }
    struct stat s;
    if (stat(dir.c_str(), &s) != 0 || !S_ISDIR(s.st_mode)) {
        error = dir + " is not a directory";
        return false;
    }
    return true;
}
