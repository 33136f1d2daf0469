#pragma once
// The tab-indented tree format: "name:" lines open a node, "key = value"
// lines set a leaf, and the number of tab characters gives the depth.
#include "engine/io/stream.h"
#include "framework/data/object_table.h"

namespace wispwood {

class gFileNode {
  public:
    virtual ~gFileNode() = default;

    Text Name;
    Text LeafData;
    int Leaf = 0;                    // 1 for a key/value leaf, 0 for a node that holds children
    ObjectTable<gFileNode> Children; // case-sensitive, untrimmed names

    // A leaf child under the name, replacing any child of that name.
    void SetData(const Text& name, const Text& data);
    void SetDataDefault(const Text& name, const Text& data);
    // The child's LeafData, or "".
    Text GetData(const Text& name) const;
    // A new node child; an empty name gets the next generated name.
    Ref<gFileNode> AddChild(const Text& name);
    void AddChildNode(const Ref<gFileNode>& node);

    // Reads lines at this depth and below into this node; stops before the
    // first line that belongs to an enclosing node.
    void _Read(TStream& stream, int depth);
    void _Write(TStream& stream, int depth) const;
};

class gFile : public gFileNode {
  public:
    Text Path;

    static Ref<gFile> Create(const Text& path);
    // A missing file leaves the tree unchanged.
    void Read();
    // 1 when the whole tree was written; nothing is written otherwise.
    int Write();
};

// Source of generated node names: starts at 1, incremented before use, so
// the first generated name is "00000002".
extern int NodeNameCounter;
void ResetNodeNameCounter();

// One parsed line of the tree format.
struct TreeLine {
    enum Kind { None, Data, Node } kind = None;
    int tabs = 0;
    Text name;  // node name, or data key
    Text value; // data value
};
TreeLine ParseTreeLine(const Text& line);

} // namespace wispwood
