#include "viewer/picture_name.h"

#include "bank/cp1251.h"
#include "bank/utf8.h"

#include <algorithm>

namespace viewer {

namespace {

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), text.begin(),
                                                      [](char p, char t) { return p == lower(t); });
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    c = lower(c);
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

std::string_view trimSpaces(std::string_view text) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string replaceEscapes(std::string_view name) {
    std::string out;
    out.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '%' && i + 2 < name.size() && hexValue(name[i + 1]) >= 0 &&
            hexValue(name[i + 2]) >= 0) {
            const int byte = hexValue(name[i + 1]) * 16 + hexValue(name[i + 2]);
            bank::utf8::append(bank::cp1251::toUnicode(static_cast<unsigned char>(byte)), out);
            i += 2;
        } else {
            out += name[i];
        }
    }
    return out;
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

std::optional<std::string> resolvePictureName(std::string_view src, std::string_view baseFolder) {
    const std::string_view trimmed = trimSpaces(src);
    const std::size_t scheme = trimmed.find("://");
    if (scheme != std::string_view::npos && scheme >= 1 && !startsWithNoCase(trimmed, "file://")) {
        return std::nullopt;
    }
    std::string name = replaceEscapes(trimmed);
    if (name.find('/') != std::string::npos) {
        for (const std::string_view prefix : {"file:///", "file://", "file:/"}) {
            if (startsWithNoCase(name, prefix)) {
                name.erase(0, prefix.size());
                break;
            }
        }
        std::replace(name.begin(), name.end(), '|', ':');
        std::replace(name.begin(), name.end(), '/', '\\');
    }
    const bool hasDrive = name.size() >= 2 && isLetter(name[0]) && name[1] == ':';
    if (hasDrive || (!name.empty() && name[0] == '\\') || baseFolder.empty()) {
        return name;
    }
    std::string path(baseFolder);
    if (path.back() != '\\' && path.back() != '/') {
        path += '\\';
    }
    return path + name;
}

std::string toLocalPath(std::string_view windowsPath) {
    std::string path(windowsPath);
#ifndef _WIN32
    std::replace(path.begin(), path.end(), '\\', '/');
#endif
    return path;
}

std::string folderOf(std::string_view fileName) {
    const std::size_t separator = fileName.find_last_of("\\/");
    if (separator == std::string_view::npos) {
        return {};
    }
    // A file at the root keeps the root as its folder.
    return std::string(fileName.substr(0, separator == 0 ? 1 : separator));
}

std::string_view withoutFragment(std::string_view fileName) {
    return fileName.substr(0, fileName.find('#'));
}

} // namespace viewer
