#include "framework/data/section_file.h"
#include "engine/io/file_stream.h"
#include "engine/io/memory_stream.h"
#include "engine/io/text_convert.h"
#include "engine/io/text_routines.h"
#include "framework/data/split_string.h"

namespace wispwood {

void GameFileNode::AddData(const Text& key, const Text& value) {
    auto entry = New<GameFileNodeData>();
    entry->Name = key;
    entry->Data = value;
    Data.Add(key, entry);
}

void GameFileNode::AssertData(const Text& key, const Text& value) {
    if (!DataExists(key)) AddData(key, value);
}

Text GameFileNode::GetData(const Text& key) const {
    auto entry = Data.LookUp(key);
    return entry ? entry->Data : Text();
}

int GameFileNode::DataExists(const Text& key) const {
    return Data.LookUp(key) ? 1 : 0;
}

Ref<ObjectTable<Text>> GameFileNode::DataAsObjectTable(const Ref<TextFormatter>& formatter) const {
    auto table = New<ObjectTable<Text>>(formatter);
    for (const auto& entry : Data.ObjectEnumerator()) table->Add(entry->Name, New<Text>(entry->Data));
    return table;
}

GameFileData::GameFileData() {
    AddNode("");
}

Ref<GameFileNode> GameFileData::AddNode(const Text& name) {
    auto node = New<GameFileNode>();
    node->Name = name;
    Nodes.Add(name, node);
    CurrentNode = node;
    return node;
}

int GameFileData::SetNode(const Text& name) {
    if (auto node = Nodes.LookUp(name)) {
        CurrentNode = node;
        return 1;
    }
    AddNode(name);
    return 0;
}

Ref<GameFileData> GameFileTextDriver::ReadStream(TStream& stream) {
    auto data = New<GameFileData>();
    while (!stream.Eof()) {
        Text line = stream.ReadLine();
        if (line.find('[') != Text::npos) {
            Text name;
            name.reserve(line.size());
            for (char c : line)
                if (c != '[' && c != ']') name.push_back(c);
            data->AddNode(name);
            continue;
        }
        TextArray parts = SplitString(line, "=", TrimFormatter, 2);
        if (parts.size() == 2) data->AddData(parts[0], parts[1]);
    }
    data->SetNode("");
    return data;
}

Ref<GameFileData> GameFileTextDriver::Read(const Text& path) {
    auto stream = ReadFile(path);
    if (!stream) return nullptr;
    auto data = ReadStream(*stream);
    stream->Close();
    return data;
}

void GameFileTextDriver::WriteStream(TStream& stream, const GameFileData& data) {
    for (const auto& node : data.Nodes.ObjectEnumerator()) {
        stream.WriteLine("[" + node->Name + "]");
        for (const auto& entry : node->Data.ObjectEnumerator())
            stream.WriteLine(entry->Name + " = " + entry->Data);
    }
}

int GameFileTextDriver::Write(const Text& path, const Ref<GameFileData>& data) {
    if (!data) return 0;
    TMemoryStream out;
    WriteStream(out, *data);
    return SaveText(path, out.Bytes());
}

Ref<GameFile> GameFile::Create(const Text& path) {
    auto file = New<GameFile>();
    file->Path = path;
    file->Driver = New<GameFileTextDriver>();
    file->Data = New<GameFileData>();
    return file;
}

int GameFile::Read() {
    auto data = Driver->Read(Path);
    if (!data) return 0;
    Data = data;
    return 1;
}

int GameFile::Write() {
    return Driver->Write(Path, Data);
}

void GameFile::ClearData() {
    Data = New<GameFileData>();
}

Text NodeNameFromInt(int number) {
    return ReplaceText(PadLeft(IntToText(number), 8), " ", "0");
}

int GameFile::SetNodeInt(int number) {
    return SetNode(NodeNameFromInt(number));
}

void GameFile::AssociateString(Text& variable, const Text& key) {
    if (AssociateReading) {
        variable = GetData(key);
    } else {
        AddData(key, variable);
    }
}

void GameFile::AssociateInt(int& variable, const Text& key) {
    if (AssociateReading) {
        variable = TextToInt(GetData(key));
    } else {
        AddData(key, IntToText(variable));
    }
}

void GameFile::AssociateFloat(float& variable, const Text& key) {
    if (AssociateReading) {
        variable = TextToFloat(GetData(key));
    } else {
        AddData(key, FloatToText(variable));
    }
}

void GameFile::AssociateFloat(double& variable, const Text& key) {
    float value = static_cast<float>(variable);
    AssociateFloat(value, key);
    variable = value;
}

void GameFile::AssociateIntArray(std::vector<int>& variable, const Text& key, int count) {
    if (AssociateReading) {
        TextArray parts = SplitString(GetData(key), ",", nullptr, -1);
        size_t n = count == -1 ? parts.size() : static_cast<size_t>(std::max(count, 0));
        variable.assign(n, 0);
        for (size_t i = 0; i < n && i < parts.size(); ++i) variable[i] = TextToInt(parts[i]);
        return;
    }
    Text joined;
    for (size_t i = 0; i < variable.size(); ++i) {
        if (i) joined += ",";
        joined += IntToText(variable[i]);
    }
    AddData(key, joined);
}

} // namespace wispwood
