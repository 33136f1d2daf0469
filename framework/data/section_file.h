#pragma once
// The sectioned key/value format: "[name]" header lines followed by
// "key = value" lines. Section names and keys are looked up normalised
// (lower case, trimmed) but written back as they were given.
#include "engine/io/stream.h"
#include "framework/data/object_table.h"
#include <vector>

namespace wispwood {

// One entry of a section.
class GameFileNodeData {
  public:
    Text Name; // the key exactly as passed
    Text Data; // the value
};

// One section.
class GameFileNode {
  public:
    Text Name; // exactly as passed when the section was created
    ObjectTable<GameFileNodeData> Data{KeyFormatter};

    // Stores the entry, replacing any with the same normalised key.
    void AddData(const Text& key, const Text& value);
    // Stores the entry only when the key is absent: how defaults are supplied.
    void AssertData(const Text& key, const Text& value);
    // The value, or "" when absent.
    Text GetData(const Text& key) const;
    int DataExists(const Text& key) const;
    // Every entry's value text under its key, in a new table.
    Ref<ObjectTable<Text>> DataAsObjectTable(const Ref<TextFormatter>& formatter) const;
};

class GameFileData {
  public:
    ObjectTable<GameFileNode> Nodes{KeyFormatter};
    Ref<GameFileNode> CurrentNode; // the section the data calls act on

    // Starts with the empty root section "" current.
    GameFileData();

    // Always a new empty section, replacing one with the same normalised
    // name, made current.
    Ref<GameFileNode> AddNode(const Text& name);
    // Makes the section current, creating it when absent: 1 if it existed.
    int SetNode(const Text& name);
    void AddData(const Text& key, const Text& value) { CurrentNode->AddData(key, value); }
    void AssertData(const Text& key, const Text& value) { CurrentNode->AssertData(key, value); }
    Text GetData(const Text& key) const { return CurrentNode->GetData(key); }
    int DataExists(const Text& key) const { return CurrentNode->DataExists(key); }
};

class GameFileDriver {
  public:
    virtual ~GameFileDriver() = default;
    // The file's data, or null when it cannot be read.
    virtual Ref<GameFileData> Read(const Text& path) = 0;
    // 1 when the whole file was written.
    virtual int Write(const Text& path, const Ref<GameFileData>& data) = 0;
};

class GameFileTextDriver : public GameFileDriver {
  public:
    Ref<GameFileData> Read(const Text& path) override;
    int Write(const Text& path, const Ref<GameFileData>& data) override;

    // The same parser and writer on a stream (tests, fuzzing).
    static Ref<GameFileData> ReadStream(TStream& stream);
    static void WriteStream(TStream& stream, const GameFileData& data);
};

class GameFile {
  public:
    Text Path;
    Ref<GameFileDriver> Driver;
    Ref<GameFileData> Data;
    // 1: the Associate calls read Data into variables; 0: they write
    // variables into Data.
    int AssociateReading = 0;

    static Ref<GameFile> Create(const Text& path);

    // 1 and Data replaced when the file was read; 0 and Data untouched if not.
    int Read();
    int Write();
    void ClearData();
    const ObjectTable<GameFileNode>& Nodes() const { return Data->Nodes; }

    int SetNode(const Text& name) { return Data->SetNode(name); }
    // The section named by the number in 8 characters, zero-filled on the
    // left (7 gives 00000007; longer texts keep their last 8 characters).
    int SetNodeInt(int number);
    void AddData(const Text& key, const Text& value) { Data->AddData(key, value); }
    void AssertData(const Text& key, const Text& value) { Data->AssertData(key, value); }
    Text GetData(const Text& key) const { return Data->GetData(key); }
    int DataExists(const Text& key) const { return Data->DataExists(key); }

    void AssociateString(Text& variable, const Text& key);
    void AssociateInt(int& variable, const Text& key);
    void AssociateFloat(float& variable, const Text& key);
    void AssociateFloat(double& variable, const Text& key);
    // Reading: the comma-separated numbers into an array of count elements
    // (count -1: as many as there are parts), 0 beyond the parts.
    void AssociateIntArray(std::vector<int>& variable, const Text& key, int count);
};

// The 8-character section name SetNodeInt uses.
Text NodeNameFromInt(int number);

} // namespace wispwood
