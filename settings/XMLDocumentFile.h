// Reading and writing the settings document as a file (UTF-8 paths and contents).
#pragma once

#include "platform/IFileSystem.h"

#include <pugixml.hpp>

#include <string>

namespace zt {

// Throws EXMLDocError when that cannot be told: a file that is there is never "missing".
bool XmlFileExists(IFileSystem& files, const std::string& fileName);

// Parses the file, with or without a byte-order mark; whitespace-only text between elements
// is dropped. Throws EDOMParseError when it does not parse, EXMLDocError when unreadable.
void LoadXmlFile(pugi::xml_document& doc, IFileSystem& files, const std::string& fileName);

// The declaration, then each top-level node as it stands, each ending in a line feed.
std::string SerializeXml(const pugi::xml_document& doc);

// Writes the bytes beside the file, on the disk, and renames them over it, so a failed save
// or a power cut leaves the old file or the new one, whole, and nothing beside it. Through
// a symbolic link the link's target is replaced, and the link stays. Throws EXMLDocError.
void ReplaceFileContents(IFileSystem& files, const std::string& fileName, const std::string& bytes);

} // namespace zt
