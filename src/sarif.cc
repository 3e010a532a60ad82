// The SARIF 2.1.0 log of a run (see sarif.h).
#include "sarif.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <vector>

#include "whole_file.h"

bool sarif_logging = false;

namespace {

Whole_File log_file;
int diverted = -1;  // in a process of -j: where its results go
std::string buffer;  // written out in large pieces
std::string failure;  // the first failed write
std::vector<std::string> rule_ids;
const char* const kInput = "<stdin>";

// The last result, kept until the next one or the end: a note may join it.
struct Pending {
    bool held = false;
    std::string rule, level, file, text;
    long long line = 0, column = 0, end_column = 0;
} last;
bool first_result = true;

void Write_Out() {
    size_t done = 0;
    int fd = diverted >= 0 ? diverted : log_file.fd;
    while (done < buffer.size() && failure.empty()) {
        ssize_t n = write(fd, buffer.data() + done, buffer.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) failure = strerror(errno);
        else done += static_cast<size_t>(n);
    }
    buffer.clear();
}

void Put(const std::string& text) {
    buffer += text;
    if (buffer.size() >= (1 << 16)) Write_Out();
}

// The length of the UTF-8 sequence at `at` (0 when it is none).
size_t Utf8_Length(const unsigned char* at, size_t left) {
    size_t n = at[0] >= 0xf0 && at[0] <= 0xf4 ? 4 : at[0] >= 0xe0 ? 3 : at[0] >= 0xc2 && at[0] < 0xe0 ? 2 : 0;
    if (at[0] >= 0xf5 || n == 0 || n > left) return 0;
    for (size_t i = 1; i < n; ++i)
        if ((at[i] & 0xc0) != 0x80) return 0;
    return n;
}

// A JSON string: quoted, escaped, and valid UTF-8 (a byte that starts no
// sequence becomes U+FFFD).
std::string Quoted(const std::string& text) {
    std::string out = "\"";
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text.data());
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char c = bytes[i];
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c < 0x20 || c == 0x7f) {
            char escaped[8];
            snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (size_t n = Utf8_Length(bytes + i, text.size() - i)) {
            out.append(text, i, n);
            i += n - 1;
        } else {
            out += "\\ufffd";
        }
    }
    return out + "\"";
}

// A path as a URI reference: its bytes percent-encoded but for the
// unreserved ones and '/'.
std::string Uri_Path(const std::string& path) {
    std::string out;
    for (unsigned char c : path) {
        if (isalnum(c) || strchr("-._~/", c)) {
            out += static_cast<char>(c);
        } else {
            char escaped[4];
            snprintf(escaped, sizeof escaped, "%%%02X", c);
            out += escaped;
        }
    }
    return out;
}

// The artifact location of a file: "stdin" for standard input, a file URI
// for an absolute path, else a path relative to the folder the run started
// in (the base SRCROOT).
std::string Artifact(const std::string& file) {
    if (file == kInput) return "{\"uri\":\"stdin\"}";
    if (file[0] == '/') return "{\"uri\":" + Quoted("file://" + Uri_Path(file)) + "}";
    return "{\"uri\":" + Quoted(Uri_Path(file)) + ",\"uriBaseId\":\"SRCROOT\"}";
}

std::string Number(long long n) { return std::to_string(n); }

void Write_Pending() {
    if (!last.held) return;
    last.held = false;
    std::string result = first_result ? "\n" : ",\n";
    first_result = false;
    int index = 0;
    while (index < static_cast<int>(rule_ids.size()) && rule_ids[static_cast<size_t>(index)] != last.rule) ++index;
    result += "        {\"ruleId\":" + Quoted(last.rule);
    if (index < static_cast<int>(rule_ids.size())) result += ",\"ruleIndex\":" + Number(index);
    result += ",\"level\":" + Quoted(last.level) + ",\"message\":{\"text\":" + Quoted(last.text) + "}";
    if (!last.file.empty()) {
        result += ",\"locations\":[{\"physicalLocation\":{\"artifactLocation\":" + Artifact(last.file);
        if (last.line > 0) {
            result += ",\"region\":{\"startLine\":" + Number(last.line);
            if (last.column > 0) result += ",\"startColumn\":" + Number(last.column);
            if (last.end_column > last.column) result += ",\"endColumn\":" + Number(last.end_column);
            result += "}";
        }
        result += "}}]";
    }
    Put(result + "}");
}

}  // namespace

std::string Sarif_Start(const char* path, const char* version, const Sarif_Rule* rules, int rule_count) {
    std::string why = Open_Whole(log_file, path, false);
    if (!why.empty()) return why;
    sarif_logging = true;
    failure.clear();
    first_result = true;
    last = Pending{};
    std::string folder = "/";
    std::vector<char> here(4096);
    if (getcwd(here.data(), here.size())) folder = here.data() + std::string(here.data()[1] ? "/" : "");
    Put("{\n  \"$schema\": \"https://docs.oasis-open.org/sarif/sarif/v2.1.0/errata01/os/schemas/sarif-schema-2.1.0.json\",\n  \"version\": \"2.1.0\",\n"
        "  \"runs\": [\n    {\n      \"tool\": {\"driver\": {\"name\": \"vhdl87c\", \"version\": " +
        Quoted(version) + ", \"rules\": [");
    rule_ids.clear();
    for (int i = 0; i < rule_count; ++i) {
        rule_ids.push_back(rules[i].id);
        Put(std::string(i ? "," : "") + "\n        {\"id\":" + Quoted(rules[i].id) +
            ",\"shortDescription\":{\"text\":" + Quoted(rules[i].description) + "}}");
    }
    Put("]}},\n      \"originalUriBaseIds\": {\"SRCROOT\": {\"uri\": " + Quoted("file://" + Uri_Path(folder)) +
        "}},\n      \"results\": [");
    return "";
}

void Sarif_Result(const char* rule, const char* level, const char* file, long long line, long long column,
                  long long end_column, const std::string& text) {
    if (!sarif_logging) return;
    Write_Pending();
    last = Pending{true, rule, level, file ? file : "", text, line, column, end_column};
}

void Sarif_End_Column(long long end_column) {
    if (sarif_logging && last.held) last.end_column = end_column;
}

void Sarif_Note(const std::string& text) {
    if (sarif_logging && last.held) last.text += "\n" + text;
}

void Sarif_Divert(int fd) {
    if (!sarif_logging) return;
    if (fd < 0) {
        Write_Pending();
        Write_Out();
    } else {
        buffer.clear();
        first_result = true;
    }
    diverted = fd;
}

void Sarif_Splice(int fd) {
    if (!sarif_logging) return;
    Write_Pending();
    char block[1 << 14];
    ssize_t n;
    off_t at = 0;
    while ((n = pread(fd, block, sizeof block, at)) > 0) {
        // The process's first result comes after the log's last one.
        if (at == 0 && !first_result) Put(",");
        first_result = false;
        Put(std::string(block, static_cast<size_t>(n)));
        at += n;
    }
}

std::string Sarif_Finish(int status) {
    if (!sarif_logging) return "";
    sarif_logging = false;
    Write_Pending();
    Put(std::string(first_result ? "" : "\n      ") + "],\n      \"invocations\": [{\"executionSuccessful\": " +
        (status == 0 ? "true" : "false") + ", \"exitCode\": " + Number(status) + "}]\n    }\n  ]\n}\n");
    Write_Out();
    std::string why = failure;
    if (why.empty()) why = Commit_Whole(log_file);
    else Abandon_Whole(log_file);
    return why;
}
