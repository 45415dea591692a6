#include "settings/StdFileSystem.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace zt {
namespace {

namespace fs = std::filesystem;

fs::path Utf8Path(const std::string& path) {
    return fs::path(std::u8string(path.begin(), path.end()));
}

std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

[[noreturn]] void Fail(const std::string& what, const std::string& path, std::error_code ec) {
    throw EFileSystemError(what + " \"" + path + "\": " + ec.message());
}

} // namespace

bool StdFileSystem::FileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(Utf8Path(path), ec);
}

bool StdFileSystem::Exists(const std::string& path) {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(Utf8Path(path), ec);
    if (status.type() == fs::file_type::not_found)
        return false;
    if (ec)
        Fail("Cannot tell whether there is a file", path, ec);
    return true;
}

std::string StdFileSystem::ReadAll(const std::string& path) {
    std::ifstream in(Utf8Path(path), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.is_open() || in.bad())
        Fail("Cannot read the file", path, std::make_error_code(std::errc::io_error));
    return bytes;
}

void StdFileSystem::WriteFlushed(const std::string& path, const std::string& bytes) {
    std::ofstream out(Utf8Path(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.flush();
    out.close();
    if (!out)
        Fail("Cannot write the file", path, std::make_error_code(std::errc::io_error));
}

void StdFileSystem::RenameOver(const std::string& from, const std::string& to) {
    std::error_code ec;
    fs::rename(Utf8Path(from), Utf8Path(to), ec);
    if (ec)
        Fail("Cannot replace the file", to, ec);
}

void StdFileSystem::RemoveFile(const std::string& path) noexcept {
    std::error_code ignored;
    fs::remove(Utf8Path(path), ignored);
}

std::string StdFileSystem::ResolvedPath(const std::string& path) {
    fs::path current = Utf8Path(path);
    // As many hops as the system itself follows before it calls a chain a loop.
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(current, ec))
            return Utf8(current);
        const fs::path target = fs::read_symlink(current, ec);
        if (ec)
            Fail("Cannot read the link", Utf8(current), ec);
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    Fail("Too many links", path, std::make_error_code(std::errc::too_many_symbolic_link_levels));
}

} // namespace zt
