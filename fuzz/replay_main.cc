// Replays saved fuzz inputs through the fuzz target without libFuzzer, so
// that the regression corpus also runs in the plain and sanitizer builds.
// Arguments: files or directories (their regular files, in name order).
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

bool Read_File(const std::string& path, std::string& bytes) {
    FILE* file = fopen(path.c_str(), "rb");
    if (!file) return false;
    char buffer[1 << 16];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, n);
    bool ok = !ferror(file);
    fclose(file);
    return ok;
}

void Collect(const std::string& path, std::vector<std::string>& files) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) {
        files.push_back(path);  // reported as unreadable below
        return;
    }
    if (!S_ISDIR(info.st_mode)) {
        files.push_back(path);
        return;
    }
    std::vector<std::string> names;
    if (DIR* dir = opendir(path.c_str())) {
        while (dirent* entry = readdir(dir))
            if (entry->d_name[0] != '.') names.push_back(path + "/" + entry->d_name);
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    for (const std::string& name : names)
        if (stat(name.c_str(), &info) == 0 && S_ISREG(info.st_mode)) files.push_back(name);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) Collect(argv[i], files);
    if (files.empty()) {
        fprintf(stderr, "usage: %s FILE_OR_DIRECTORY...\n", argv[0]);
        return 2;
    }
    for (const std::string& path : files) {
        std::string bytes;
        if (!Read_File(path, bytes)) {
            fprintf(stderr, "cannot read %s\n", path.c_str());
            return 2;
        }
        fprintf(stderr, "replaying %s (%zu bytes)\n", path.c_str(), bytes.size());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    fprintf(stderr, "%zu inputs replayed\n", files.size());
    return 0;
}
