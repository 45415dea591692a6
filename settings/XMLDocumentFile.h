// Reading and writing the settings document as a file (UTF-8 paths and contents).
#pragma once

#include <pugixml.hpp>

#include <string>

namespace zt {

bool XmlFileExists(const std::string& fileName);

// Parses the file, with or without a byte-order mark; whitespace-only text between elements
// is dropped. Throws EDOMParseError when it does not parse, EXMLDocError when unreadable.
void LoadXmlFile(pugi::xml_document& doc, const std::string& fileName);

// The declaration, then each top-level node as it stands, each ending in a line feed.
std::string SerializeXml(const pugi::xml_document& doc);

// Writes the bytes beside the file and renames them over it, so a failed save leaves the
// old file whole. Throws EXMLDocError.
void ReplaceFileContents(const std::string& fileName, const std::string& bytes);

} // namespace zt
