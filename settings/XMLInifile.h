// The settings store: INI-style sections and typed keys kept in an XML file. A section is
// an element addressed by a slash-separated path below the document element; a key is a
// child element whose text is the value and whose "Type" attribute records the writer.
// Construction is the store's Create (loads the file, or creates it when missing);
// destruction is its Destroy (unsaved changes are lost).
#pragma once

#include "platform/IFileSystem.h"
#include "platform/LocaleFormats.h"
#include "settings/StdFileSystem.h"
#include "settings/ValueText.h"
#include "settings/XMLErrors.h"

#include <pugixml.hpp>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zt {

using IXMLNode = pugi::xml_node;
using IXMLDocument = pugi::xml_document;

// Kept in a key's "Type" attribute as the decimal ordinal.
enum TXMLNodeType {
    xdtUnknown,
    xdtBinary,
    xdtBool,
    xdtCurrency,
    xdtDate,
    xdtDateTime,
    xdtExpandString,
    xdtFloat,
    xdtInt64,
    xdtInteger,
    xdtString,
    xdtTime
};

// A null ParentNode selects the current section.
class TXMLIniFile {
public:
    // An empty file name keeps the store in memory only. Files is the disk the file lies on.
    TXMLIniFile(IFileSystem& Files, const std::string& FileName, const LocaleFormats& Formats,
                TEnvironmentLookup Environment = ProcessEnvironment);
    // On the standard library's file system, whose saves are not written through to the disk.
    TXMLIniFile(const std::string& FileName, const LocaleFormats& Formats,
                TEnvironmentLookup Environment = ProcessEnvironment);
    virtual ~TXMLIniFile();
    TXMLIniFile(const TXMLIniFile&) = delete;
    TXMLIniFile& operator=(const TXMLIniFile&) = delete;

    IXMLNode CurrentNode() const { return FCurrentNode; }
    const std::string& CurrentLocationPath() const { return FCurrentLocationPath; }
    IXMLNode RootNode() const { return FRootNode; }
    std::string RootNodeName() const { return FRootNode.name(); }
    IXMLDocument& XMLDocument() { return *FXML; }
    const std::string& FileName() const { return FFileName; }
    bool Modified() const { return FModified; }

    bool OpenNode(const std::string& LocationPath, bool CanCreate);
    void CloseNode() {}
    bool NodeExists(const std::string& LocationPath) const;
    void UpdateFile();

    std::string ReadString(const std::string& TagName, const std::string& Default,
                           IXMLNode ParentNode = {}) const;
    std::int32_t ReadInteger(const std::string& TagName, std::int32_t Default,
                             IXMLNode ParentNode = {}) const;
    bool ReadBool(const std::string& TagName, bool Default, IXMLNode ParentNode = {}) const;
    void WriteString(const std::string& TagName, const std::string& Value,
                     IXMLNode ParentNode = {});
    void WriteInteger(const std::string& TagName, std::int32_t Value, IXMLNode ParentNode = {});
    void WriteBool(const std::string& TagName, bool Value, IXMLNode ParentNode = {});

    std::string ReadExpandString(const std::string& TagName, const std::string& Default,
                                 IXMLNode ParentNode = {}) const;
    std::int64_t ReadInt64(const std::string& TagName, std::int64_t Default,
                           IXMLNode ParentNode = {}) const;
    double ReadFloat(const std::string& TagName, double Default, IXMLNode ParentNode = {}) const;
    TCurrency ReadCurrency(const std::string& TagName, TCurrency Default,
                           IXMLNode ParentNode = {}) const;
    TDateTime ReadDate(const std::string& TagName, TDateTime Default,
                       IXMLNode ParentNode = {}) const;
    TDateTime ReadDateTime(const std::string& TagName, TDateTime Default,
                           IXMLNode ParentNode = {}) const;
    TDateTime ReadTime(const std::string& TagName, TDateTime Default,
                       IXMLNode ParentNode = {}) const;
    void ReadBinaryData(const std::string& TagName, std::vector<std::uint8_t>& Value,
                        IXMLNode ParentNode = {}) const;

    void WriteExpandString(const std::string& TagName, const std::string& Value,
                           IXMLNode ParentNode = {});
    void WriteInt64(const std::string& TagName, std::int64_t Value, IXMLNode ParentNode = {});
    void WriteFloat(const std::string& TagName, double Value, IXMLNode ParentNode = {});
    void WriteCurrency(const std::string& TagName, TCurrency Value, IXMLNode ParentNode = {});
    void WriteDate(const std::string& TagName, TDateTime Value, IXMLNode ParentNode = {});
    void WriteDateTime(const std::string& TagName, TDateTime Value, IXMLNode ParentNode = {});
    void WriteTime(const std::string& TagName, TDateTime Value, IXMLNode ParentNode = {});
    void WriteBinaryData(const std::string& TagName, const std::vector<std::uint8_t>& Value,
                         IXMLNode ParentNode = {});

    // Failures of these two come back only as false.
    bool CreateNode(const std::string& TagName, IXMLNode ParentNode = {});
    bool DeleteNode(const std::string& TagName, IXMLNode ParentNode = {});
    // Text nodes count as children.
    bool HasChildNodes(IXMLNode ParentNode = {}) const;
    int ChildNodesCount(IXMLNode ParentNode = {}) const;
    IXMLNode ChildNodes(int Index, IXMLNode ParentNode = {}) const; // throws std::out_of_range
    IXMLNode ChildNodeByName(const std::string& TagName, IXMLNode ParentNode = {}) const;
    void GetNodeNames(std::vector<std::string>& Strings, IXMLNode ParentNode = {}) const;
    // xdtUnknown for a missing key or a missing or foreign "Type".
    TXMLNodeType GetNodeType(const std::string& TagName, IXMLNode ParentNode = {}) const;

private:
    std::string ExpandLocationPath(const std::string& LocationPath) const;
    IXMLNode WalkPath(const std::string& LocationPath, bool CanCreate);
    IXMLNode FindNodeByPath(const std::string& LocationPath) const;
    IXMLNode ResolveParentNode(IXMLNode ParentNode) const;
    IXMLNode FindValueNode(const std::string& TagName, IXMLNode ParentNode) const;
    IXMLNode ForceValueNode(const std::string& TagName, IXMLNode ParentNode);
    IXMLNode AppendElement(IXMLNode Parent, const std::string& Name);
    // The key's text, or nothing when the key is missing.
    std::optional<std::string> ReadText(const std::string& TagName, IXMLNode ParentNode) const;
    void WriteText(const std::string& TagName, const std::string& Text, TXMLNodeType Type,
                   IXMLNode ParentNode);
    void Save();

    StdFileSystem FStdFiles; // the disk of the constructor without one
    IFileSystem& FFiles;
    IXMLNode FCurrentNode;
    std::string FCurrentLocationPath;
    IXMLNode FRootNode;
    std::unique_ptr<IXMLDocument> FXML;
    std::string FFileName;
    bool FModified = false;
    LocaleFormats FFormats;
    TEnvironmentLookup FEnvironment;
};

} // namespace zt
