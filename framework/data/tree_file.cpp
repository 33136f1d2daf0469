#include "framework/data/tree_file.h"
#include "engine/io/file_stream.h"
#include "engine/io/memory_stream.h"
#include "engine/io/text_routines.h"
#include "framework/data/section_file.h"
#include <algorithm>
#include <utility>
#include <vector>

namespace wispwood {

int NodeNameCounter = 1;

void ResetNodeNameCounter() {
    NodeNameCounter = 1;
}

namespace {

Text NameOrGenerated(const Text& name) {
    if (!name.empty()) return name;
    return NodeNameFromInt(++NodeNameCounter);
}

} // namespace

void gFileNode::SetData(const Text& name, const Text& data) {
    auto leaf = New<gFileNode>();
    leaf->Name = name;
    leaf->LeafData = data;
    leaf->Leaf = 1;
    Children.Add(name, leaf);
}

void gFileNode::SetDataDefault(const Text& name, const Text& data) {
    if (!Children.LookUp(name)) SetData(name, data);
}

Text gFileNode::GetData(const Text& name) const {
    auto child = Children.LookUp(name);
    return child ? child->LeafData : Text();
}

Ref<gFileNode> gFileNode::AddChild(const Text& name) {
    auto child = New<gFileNode>();
    child->Name = NameOrGenerated(name);
    Children.Add(child->Name, child);
    return child;
}

void gFileNode::AddChildNode(const Ref<gFileNode>& node) {
    if (!node) return;
    node->Name = NameOrGenerated(node->Name);
    Children.Add(node->Name, node);
}

TreeLine ParseTreeLine(const Text& line) {
    TreeLine parsed;
    size_t equals = line.find('=');
    if (equals != Text::npos) {
        parsed.kind = TreeLine::Data;
    } else if (line.find(':') != Text::npos) {
        parsed.kind = TreeLine::Node;
    } else {
        return parsed;
    }
    parsed.tabs = static_cast<int>(std::min<size_t>(std::count(line.begin(), line.end(), '\t'), 1u << 30));
    Text trimmed = TrimText(line);
    if (parsed.kind == TreeLine::Node) {
        parsed.name = ReplaceText(trimmed, ":", "");
    } else {
        size_t at = trimmed.find('=');
        parsed.name = TrimText(trimmed.substr(0, at));
        parsed.value = TrimText(trimmed.substr(at + 1));
    }
    return parsed;
}

// Each node read at depth d owns the lines that follow its header until a
// line belongs to an enclosing node; that line is then read again by the
// enclosing level. The levels are kept on an explicit stack rather than
// the call stack, so deeply nested input cannot exhaust it.
void gFileNode::_Read(TStream& stream, int depth) {
    std::vector<std::pair<gFileNode*, int>> levels{{this, depth}};
    std::vector<Ref<gFileNode>> keepAlive;
    while (!stream.Eof()) {
        int64_t lineStart = stream.Pos();
        TreeLine line = ParseTreeLine(stream.ReadLine());
        if (line.kind == TreeLine::None) continue;
        // Hand the line up until a level accepts it. The first level never
        // hands lines up: that is where this call returns.
        while (true) {
            auto [node, level] = levels.back();
            bool accepted =
                line.kind == TreeLine::Data ? line.tabs >= level : (line.tabs >= level || level == 0);
            if (accepted) {
                if (line.kind == TreeLine::Data) {
                    node->SetData(line.name, line.value);
                } else {
                    auto child = node->AddChild(line.name);
                    levels.emplace_back(child.get(), level + 1);
                    keepAlive.push_back(child);
                }
                break;
            }
            if (levels.size() == 1) {
                // Not this node's line: leave it for the caller to read.
                stream.Seek(lineStart);
                return;
            }
            levels.pop_back();
        }
    }
}

void gFileNode::_Write(TStream& stream, int depth) const {
    if (depth > 0) {
        stream.WriteLine(Text(static_cast<size_t>(depth - 1), '\t') + Name + ":");
        stream.WriteLine("");
    }
    bool wroteLeaf = false;
    for (const auto& child : Children.ObjectEnumerator()) {
        if (child->Leaf != 1) continue;
        stream.WriteLine(Text(static_cast<size_t>(depth), '\t') + child->Name + " = " + child->LeafData);
        wroteLeaf = true;
    }
    if (wroteLeaf) stream.WriteLine("");
    for (const auto& child : Children.ObjectEnumerator())
        if (child->Leaf != 1) child->_Write(stream, depth + 1);
    stream.WriteLine("");
}

Ref<gFile> gFile::Create(const Text& path) {
    auto file = New<gFile>();
    file->Path = path;
    return file;
}

void gFile::Read() {
    auto stream = ReadFile(Path);
    if (!stream) return;
    _Read(*stream, 0);
    stream->Close();
}

int gFile::Write() {
    TMemoryStream out;
    _Write(out, 0);
    return SaveText(Path, out.Bytes());
}

} // namespace wispwood
