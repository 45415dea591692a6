#include "settings/XMLInifile.h"

#include "settings/XMLDocumentFile.h"
#include "settings/XMLName.h"

#include <stdexcept>

namespace zt {
namespace {

std::string IncludeTrailingSlash(const std::string& path) {
    return !path.empty() && path.back() == '/' ? path : path + "/";
}

// The components between the first and the last "/" of an expanded path.
std::vector<std::string> PathComponents(const std::string& expanded) {
    std::vector<std::string> parts;
    size_t start = expanded.find('/') + 1;
    for (size_t end; (end = expanded.find('/', start)) != std::string::npos; start = end + 1)
        parts.push_back(expanded.substr(start, end - start));
    return parts;
}

IXMLNode FindChildElement(IXMLNode parent, const std::string& name) {
    if (name.empty())
        return {};
    for (IXMLNode child : parent.children())
        if (child.type() == pugi::node_element && name == child.name())
            return child;
    return {};
}

int Depth(IXMLNode node) {
    int depth = 0;
    for (IXMLNode p = node.parent(); p && p.type() != pugi::node_document; p = p.parent())
        ++depth;
    return depth;
}

bool IsText(IXMLNode node) {
    return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

[[noreturn]] void NotSingleText(IXMLNode element) {
    throw EXMLDocError(std::string("要素 \"") + element.name() +
                       "\" に単一のテキスト ノードが含まれていません");
}

std::string ElementText(IXMLNode element) {
    IXMLNode first = element.first_child();
    if (!first)
        return {};
    if (!IsText(first) || first.next_sibling())
        NotSingleText(element);
    return first.value();
}

// The name a DOM gives a node of each kind.
std::string NodeName(IXMLNode node) {
    switch (node.type()) {
    case pugi::node_pcdata:
        return "#text";
    case pugi::node_cdata:
        return "#cdata-section";
    case pugi::node_comment:
        return "#comment";
    default:
        return node.name();
    }
}

// A hand-edited number left blank reads as missing, as an empty one does.
bool HoldsNumber(const std::optional<std::string>& text) {
    return text && text->find_first_not_of(" \t\r\n") != std::string::npos;
}

} // namespace

TXMLIniFile::TXMLIniFile(const std::string& FileName, const LocaleFormats& Formats,
                         TEnvironmentLookup Environment)
    : TXMLIniFile(FStdFiles, FileName, Formats, std::move(Environment)) {}

TXMLIniFile::TXMLIniFile(IFileSystem& Files, const std::string& FileName,
                         const LocaleFormats& Formats, TEnvironmentLookup Environment)
    : FFiles(Files), FCurrentLocationPath("/"), FXML(std::make_unique<IXMLDocument>()),
      FFileName(FileName), FFormats(Formats), FEnvironment(std::move(Environment)) {
    if (!FFileName.empty() && XmlFileExists(FFiles, FFileName)) {
        LoadXmlFile(*FXML, FFiles, FFileName);
    } else {
        FXML->append_child("root");
        if (!FFileName.empty())
            Save();
    }
    FRootNode = FXML->document_element();
    FCurrentNode = FRootNode;
}

TXMLIniFile::~TXMLIniFile() = default;

std::string TXMLIniFile::ExpandLocationPath(const std::string& LocationPath) const {
    if (!LocationPath.empty() && LocationPath[0] == '/')
        return IncludeTrailingSlash(LocationPath);
    return IncludeTrailingSlash(IncludeTrailingSlash(FCurrentLocationPath) + LocationPath);
}

IXMLNode TXMLIniFile::FindNodeByPath(const std::string& LocationPath) const {
    IXMLNode node = FRootNode;
    for (const std::string& component : PathComponents(ExpandLocationPath(LocationPath)))
        if (!(node = FindChildElement(node, component)))
            return {};
    return node;
}

bool TXMLIniFile::OpenNode(const std::string& LocationPath, bool CanCreate) {
    const std::string expanded = ExpandLocationPath(LocationPath);
    IXMLNode node = FindNodeByPath(expanded);
    if (!node && CanCreate) {
        node = FRootNode;
        for (const std::string& component : PathComponents(expanded)) {
            IXMLNode child = FindChildElement(node, component);
            node = child ? child : AppendElement(node, component);
        }
    }
    if (!node)
        return false;
    FCurrentNode = node;
    FCurrentLocationPath = expanded;
    return true;
}

bool TXMLIniFile::NodeExists(const std::string& LocationPath) const {
    return bool(FindNodeByPath(LocationPath));
}

void TXMLIniFile::UpdateFile() {
    if (!FModified || FFileName.empty())
        return;
    Save();
    FModified = false;
}

void TXMLIniFile::Save() {
    ReplaceFileContents(FFiles, FFileName, SerializeXml(*FXML));
}

IXMLNode TXMLIniFile::ResolveParentNode(IXMLNode ParentNode) const {
    return ParentNode ? ParentNode : FCurrentNode;
}

IXMLNode TXMLIniFile::FindValueNode(const std::string& TagName, IXMLNode ParentNode) const {
    return FindChildElement(ResolveParentNode(ParentNode), TagName);
}

IXMLNode TXMLIniFile::ForceValueNode(const std::string& TagName, IXMLNode ParentNode) {
    IXMLNode node = FindValueNode(TagName, ParentNode);
    return node ? node : AppendElement(ResolveParentNode(ParentNode), TagName);
}

// New elements come with line breaks and tabs around them, so a file this store builds
// reads indented.
IXMLNode TXMLIniFile::AppendElement(IXMLNode Parent, const std::string& Name) {
    if (Parent.type() != pugi::node_element)
        throw EXMLDocError("Elements can only be added to an element");
    if (!IsValidXmlName(Name))
        throw EXMLDocError("\"" + Name + "\" is not a valid XML name");
    std::string lineEnd(1, '\n');
    lineEnd.append(size_t(Depth(Parent)), '\t');
    if (!Parent.first_child())
        Parent.append_child(pugi::node_pcdata).set_value(lineEnd.c_str());
    Parent.append_child(pugi::node_pcdata).set_value("\t");
    IXMLNode element = Parent.append_child(Name.c_str());
    Parent.append_child(pugi::node_pcdata).set_value(lineEnd.c_str());
    FModified = true;
    return element;
}

std::optional<std::string> TXMLIniFile::ReadText(const std::string& TagName,
                                                 IXMLNode ParentNode) const {
    IXMLNode element = FindValueNode(TagName, ParentNode);
    if (!element)
        return std::nullopt;
    return ElementText(element);
}

void TXMLIniFile::WriteText(const std::string& TagName, const std::string& Text, TXMLNodeType Type,
                            IXMLNode ParentNode) {
    IXMLNode element = ForceValueNode(TagName, ParentNode);
    IXMLNode first = element.first_child();
    if (!first)
        element.append_child(pugi::node_pcdata).set_value(Text.c_str());
    else if (IsText(first) && !first.next_sibling())
        first.set_value(Text.c_str());
    else
        NotSingleText(element);
    pugi::xml_attribute type = element.attribute("Type");
    if (!type)
        type = element.append_attribute("Type");
    type.set_value(std::to_string(int(Type)).c_str());
    FModified = true;
}

std::string TXMLIniFile::ReadString(const std::string& TagName, const std::string& Default,
                                    IXMLNode ParentNode) const {
    const auto text = ReadText(TagName, ParentNode);
    return text ? UnescapeValueText(*text) : Default;
}

std::int32_t TXMLIniFile::ReadInteger(const std::string& TagName, std::int32_t Default,
                                      IXMLNode ParentNode) const {
    const auto text = ReadText(TagName, ParentNode);
    return HoldsNumber(text) ? ParseIntegerText(*text) : Default;
}

bool TXMLIniFile::ReadBool(const std::string& TagName, bool Default, IXMLNode ParentNode) const {
    const auto text = ReadText(TagName, ParentNode);
    return text ? ParseBoolText(*text, FFormats) : Default;
}

void TXMLIniFile::WriteString(const std::string& TagName, const std::string& Value,
                              IXMLNode ParentNode) {
    WriteText(TagName, EscapeValueText(Value), xdtString, ParentNode);
}

void TXMLIniFile::WriteInteger(const std::string& TagName, std::int32_t Value,
                               IXMLNode ParentNode) {
    WriteText(TagName, std::to_string(Value), xdtInteger, ParentNode);
}

void TXMLIniFile::WriteBool(const std::string& TagName, bool Value, IXMLNode ParentNode) {
    WriteText(TagName, BoolText(Value), xdtBool, ParentNode);
}

std::string TXMLIniFile::ReadExpandString(const std::string& TagName, const std::string& Default,
                                          IXMLNode ParentNode) const {
    const auto text = ReadText(TagName, ParentNode);
    return ExpandEnvironmentText(text ? UnescapeValueText(*text) : Default, FEnvironment);
}

std::int64_t TXMLIniFile::ReadInt64(const std::string& TagName, std::int64_t Default,
                                    IXMLNode ParentNode) const {
    const auto text = ReadText(TagName, ParentNode);
    return HoldsNumber(text) ? ParseInt64Text(*text) : Default;
}

double TXMLIniFile::ReadFloat(const std::string& TagName, double Default,
                              IXMLNode ParentNode) const {
    const auto text = ReadText(TagName, ParentNode);
    return HoldsNumber(text) ? ParseFloat(*text, FFormats) : Default;
}

TCurrency TXMLIniFile::ReadCurrency(const std::string& TagName, TCurrency Default,
                                    IXMLNode ParentNode) const {
    const auto text = ReadText(TagName, ParentNode);
    return text ? ParseCurrency(*text, FFormats) : Default;
}

TDateTime TXMLIniFile::ReadDate(const std::string& TagName, TDateTime Default,
                                IXMLNode ParentNode) const {
    const auto text = ReadText(TagName, ParentNode);
    return text ? ParseDateTime(*text, FFormats) : Default;
}

TDateTime TXMLIniFile::ReadDateTime(const std::string& TagName, TDateTime Default,
                                    IXMLNode ParentNode) const {
    return ReadDate(TagName, Default, ParentNode);
}

TDateTime TXMLIniFile::ReadTime(const std::string& TagName, TDateTime Default,
                                IXMLNode ParentNode) const {
    const auto text = ReadText(TagName, ParentNode);
    return HoldsNumber(text) ? ParseDateTime(*text, FFormats) : Default;
}

void TXMLIniFile::ReadBinaryData(const std::string& TagName, std::vector<std::uint8_t>& Value,
                                 IXMLNode ParentNode) const {
    const auto text = ReadText(TagName, ParentNode);
    Value = text ? ParseBinaryText(*text) : std::vector<std::uint8_t>{};
}

void TXMLIniFile::WriteExpandString(const std::string& TagName, const std::string& Value,
                                    IXMLNode ParentNode) {
    WriteText(TagName, EscapeValueText(Value), xdtExpandString, ParentNode);
}

void TXMLIniFile::WriteInt64(const std::string& TagName, std::int64_t Value, IXMLNode ParentNode) {
    WriteText(TagName, std::to_string(Value), xdtInt64, ParentNode);
}

void TXMLIniFile::WriteFloat(const std::string& TagName, double Value, IXMLNode ParentNode) {
    WriteText(TagName, FormatFloat(Value, FFormats), xdtFloat, ParentNode);
}

void TXMLIniFile::WriteCurrency(const std::string& TagName, TCurrency Value, IXMLNode ParentNode) {
    WriteText(TagName, FormatCurrency(Value, FFormats), xdtCurrency, ParentNode);
}

void TXMLIniFile::WriteDate(const std::string& TagName, TDateTime Value, IXMLNode ParentNode) {
    WriteText(TagName, FormatDate(Value, FFormats), xdtDate, ParentNode);
}

void TXMLIniFile::WriteDateTime(const std::string& TagName, TDateTime Value, IXMLNode ParentNode) {
    WriteText(TagName, FormatDateTime(Value, FFormats), xdtDateTime, ParentNode);
}

void TXMLIniFile::WriteTime(const std::string& TagName, TDateTime Value, IXMLNode ParentNode) {
    WriteText(TagName, FormatTime(Value, FFormats), xdtTime, ParentNode);
}

void TXMLIniFile::WriteBinaryData(const std::string& TagName,
                                  const std::vector<std::uint8_t>& Value, IXMLNode ParentNode) {
    WriteText(TagName, BinaryText(Value), xdtBinary, ParentNode);
}

bool TXMLIniFile::CreateNode(const std::string& TagName, IXMLNode ParentNode) {
    try {
        AppendElement(ResolveParentNode(ParentNode), TagName);
        return true;
    } catch (const EXMLDocError&) {
        return false;
    }
}

bool TXMLIniFile::DeleteNode(const std::string& TagName, IXMLNode ParentNode) {
    IXMLNode parent = ResolveParentNode(ParentNode);
    IXMLNode node = FindChildElement(parent, TagName);
    if (!node)
        return true;
    if (!parent.remove_child(node))
        return false;
    FModified = true;
    return true;
}

bool TXMLIniFile::HasChildNodes(IXMLNode ParentNode) const {
    return bool(ResolveParentNode(ParentNode).first_child());
}

int TXMLIniFile::ChildNodesCount(IXMLNode ParentNode) const {
    int count = 0;
    for ([[maybe_unused]] IXMLNode child : ResolveParentNode(ParentNode).children())
        ++count;
    return count;
}

IXMLNode TXMLIniFile::ChildNodes(int Index, IXMLNode ParentNode) const {
    int i = 0;
    for (IXMLNode child : ResolveParentNode(ParentNode).children())
        if (i++ == Index)
            return child;
    throw std::out_of_range("List index out of bounds (" + std::to_string(Index) + ")");
}

IXMLNode TXMLIniFile::ChildNodeByName(const std::string& TagName, IXMLNode ParentNode) const {
    for (IXMLNode child : ResolveParentNode(ParentNode).children())
        if (NodeName(child) == TagName)
            return child;
    throw EXMLDocError("ノード \"" + TagName + "\" が見つかりません");
}

void TXMLIniFile::GetNodeNames(std::vector<std::string>& Strings, IXMLNode ParentNode) const {
    for (IXMLNode child : ResolveParentNode(ParentNode).children())
        Strings.push_back(NodeName(child));
}

TXMLNodeType TXMLIniFile::GetNodeType(const std::string& TagName, IXMLNode ParentNode) const {
    IXMLNode element = FindValueNode(TagName, ParentNode);
    const std::string type = element.attribute("Type").value();
    try {
        const std::int32_t ordinal = type.empty() ? 0 : ParseIntegerText(type);
        return ordinal >= xdtUnknown && ordinal <= xdtTime ? TXMLNodeType(ordinal) : xdtUnknown;
    } catch (const EConvertError&) {
        return xdtUnknown;
    }
}

} // namespace zt
