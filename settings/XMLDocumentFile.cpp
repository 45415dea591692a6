#include "settings/XMLDocumentFile.h"

#include "platform/ScopeGuard.h"
#include "settings/XMLErrors.h"

#include <algorithm>

namespace zt {
namespace {

constexpr unsigned ParseOptions = pugi::parse_default | pugi::parse_comments | pugi::parse_pi |
                                  pugi::parse_ws_pcdata_single | pugi::parse_fragment;

// The first 40 characters of the line that holds the offset, and the line's number.
std::string LineAt(const std::string& text, size_t offset, int& line) {
    offset = std::min(offset, text.size());
    line = 1;
    size_t start = 0;
    for (size_t i = 0; i < offset; ++i)
        if (text[i] == '\n')
            ++line, start = i + 1;
    const size_t end = text.find_first_of("\r\n", start);
    const std::string whole = text.substr(start, end == std::string::npos ? end : end - start);
    size_t bytes = 0;
    for (int chars = 0; bytes < whole.size() && chars < 40; ++chars)
        do
            ++bytes;
        while (bytes < whole.size() && (static_cast<unsigned char>(whole[bytes]) & 0xC0) == 0x80);
    return whole.substr(0, bytes);
}

[[noreturn]] void ThrowParseError(const std::string& text, size_t offset,
                                  const std::string& reason) {
    int line = 0;
    const std::string source = LineAt(text, offset, line);
    throw EDOMParseError(reason + "\r\n" + "行" + ": " + std::to_string(line) + "\r\n" + source,
                         line);
}

class StringWriter : public pugi::xml_writer {
public:
    void write(const void* data, size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
    std::string text;
};

} // namespace

bool XmlFileExists(IFileSystem& files, const std::string& fileName) {
    try {
        return files.Exists(fileName);
    } catch (const EFileSystemError& e) {
        throw EXMLDocError(e.what());
    }
}

void LoadXmlFile(pugi::xml_document& doc, IFileSystem& files, const std::string& fileName) {
    std::string text;
    try {
        text = files.ReadAll(fileName);
    } catch (const EFileSystemError& e) {
        throw EXMLDocError(e.what());
    }
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.erase(0, 3);
    const pugi::xml_parse_result result =
        doc.load_buffer(text.data(), text.size(), ParseOptions, pugi::encoding_utf8);
    if (!result)
        ThrowParseError(text, size_t(result.offset), result.description());
    // The parser takes fragments, so the document's own shape is checked here.
    pugi::xml_node element;
    for (pugi::xml_node node : doc.children()) {
        if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata)
            ThrowParseError(text, size_t(node.offset_debug()),
                            "Text is not allowed outside the document element");
        if (node.type() == pugi::node_element && element)
            ThrowParseError(text, size_t(node.offset_debug()),
                            "Only one document element is allowed");
        if (node.type() == pugi::node_element)
            element = node;
    }
    if (!element)
        ThrowParseError(text, text.size(), "No document element found");
}

std::string SerializeXml(const pugi::xml_document& doc) {
    StringWriter out;
    out.text = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
    for (pugi::xml_node node : doc.children()) {
        if (node.type() == pugi::node_declaration)
            continue;
        node.print(out, "\t", pugi::format_raw, pugi::encoding_utf8);
        out.text += '\n';
    }
    return out.text;
}

void ReplaceFileContents(IFileSystem& files, const std::string& fileName,
                         const std::string& bytes) {
    try {
        const std::string target = files.ResolvedPath(fileName);
        // Beside the target, so that the rename stays on its volume and is one step.
        const std::string temp = target + ".tmp";
        bool renamed = false;
        const auto leaveNothingBeside = ScopeExit([&] {
            if (!renamed)
                files.RemoveFile(temp);
        });
        files.WriteFlushed(temp, bytes);
        files.RenameOver(temp, target);
        renamed = true;
    } catch (const EFileSystemError& e) {
        throw EXMLDocError("Cannot save the file \"" + fileName + "\": " + e.what());
    }
}

} // namespace zt
