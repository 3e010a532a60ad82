// An output file written whole or not at all (see whole_file.h).
#include "whole_file.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The temporary files open now (a translation's output and the SARIF log),
// removed when the run ends early: by exit or by a signal, whose handler
// may only call unlink on a path already in place.
const int kSlots = 4;
char pending[kSlots][4096];

void Remove_Pending() {
    for (char* path : pending)
        if (path[0]) unlink(path);
}

void On_Signal(int signal_number) {
    Remove_Pending();
    signal(signal_number, SIG_DFL);
    raise(signal_number);
}

void Watch(const std::string& temp) {
    static bool watching = false;
    if (!watching) {
        watching = true;
        atexit(Remove_Pending);
        for (int signal_number : {SIGINT, SIGTERM, SIGHUP})
            if (signal(signal_number, On_Signal) == SIG_IGN) signal(signal_number, SIG_IGN);
    }
    for (char* path : pending)
        if (!path[0] && temp.size() < sizeof pending[0]) {
            memcpy(path, temp.c_str(), temp.size() + 1);
            return;
        }
}

void Unwatch(const std::string& temp) {
    for (char* path : pending)
        if (temp == path) path[0] = '\0';
}

// The folder part of `path`, with its final '/' ("" for none).
std::string Folder_Of(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Creates every missing folder of `folder`; "" or why not.  The folders
// made or met are remembered: the files of a tree share them.
std::string Make_Folders(const std::string& folder) {
    static std::set<std::string> there;
    for (size_t at = 1; at < folder.size(); ++at) {
        if (folder[at] != '/') continue;
        std::string prefix = folder.substr(0, at);
        if (there.count(prefix)) continue;
        if (mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST) return strerror(errno);
        there.insert(prefix);
    }
    return "";
}

// The mode a new file gets: 0666 less the umask.
mode_t New_File_Mode() {
    static const mode_t mode = [] {
        mode_t mask = umask(0);
        umask(mask);
        return static_cast<mode_t>(0666 & ~mask);
    }();
    return mode;
}

}  // namespace

std::string Open_Whole(Whole_File& file, const std::string& path, bool make_folders) {
    file = Whole_File{path, "", -1};
    struct stat there;
    if (stat(path.c_str(), &there) == 0 && !S_ISREG(there.st_mode)) {
        if (S_ISDIR(there.st_mode)) return strerror(EISDIR);
        file.fd = open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        return file.fd < 0 ? strerror(errno) : "";
    }
    std::string folder = Folder_Of(path);
    if (make_folders) {
        std::string why = Make_Folders(folder);
        if (!why.empty()) return why;
    }
    std::string name = path.substr(folder.size());
    std::string temp = folder + "." + name + ".XXXXXX";
    file.fd = mkostemp(&temp[0], O_CLOEXEC);
    if (file.fd < 0) return strerror(errno);
    file.temp = temp;
    Watch(temp);
    fchmod(file.fd, New_File_Mode());
    return "";
}

std::string Commit_Whole(Whole_File& file) {
    std::string why;
    if (close(file.fd) != 0) why = strerror(errno);
    file.fd = -1;
    if (file.temp.empty()) return why;
    if (why.empty() && rename(file.temp.c_str(), file.path.c_str()) != 0) why = strerror(errno);
    if (!why.empty()) unlink(file.temp.c_str());
    Unwatch(file.temp);
    file.temp.clear();
    return why;
}

void Abandon_Whole(Whole_File& file) {
    if (file.fd >= 0) close(file.fd);
    file.fd = -1;
    if (file.temp.empty()) return;
    unlink(file.temp.c_str());
    Unwatch(file.temp);
    file.temp.clear();
}

void Remove_Stale(const std::string& path) {
    struct stat there;
    if (lstat(path.c_str(), &there) == 0 && S_ISREG(there.st_mode)) unlink(path.c_str());
}
