#include "tools/common/output_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace fs = std::filesystem;

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

OutputSet::~OutputSet()
{
    for (const std::string& path : paths_)
        std::remove(path.c_str());
}

void OutputSet::add(const std::string& path) { paths_.push_back(path); }

bool make_directory(const std::string& dir, std::string& error)
{
    // Part by part, so that the error names the part that could not be made;
    // a part that is there already, even as a file, is passed over, and the
    // next one then fails.
    fs::path part;
    for (const fs::path& name : fs::path(dir)) {
        part /= name;
        std::error_code code;
        if (!fs::create_directory(part, code) && code && code != std::errc::file_exists) {
            error = "cannot make the directory " + part.string() + ": " + code.message();
            return false;
        }
    }
    std::error_code code;
    if (!fs::is_directory(dir, code)) {
        error = dir + " is not a directory";
        return false;
    }
    return true;
}

std::vector<std::string> directory_entries(const std::string& dir)
{
    std::vector<std::string> names;
    std::error_code code;
    for (const fs::directory_entry& e : fs::directory_iterator(dir, code))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void remove_directory(const std::string& dir)
{
    std::error_code code;
    fs::remove_all(dir, code);
}
