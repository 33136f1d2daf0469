#include "game/services/profiles_file.h"
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "engine/io/kept_file.h"
#include "engine/io/memory_stream.h"
#include "engine/io/text_convert.h"
#include "engine/io/text_routines.h"
#include "framework/data/section_file.h"
#include "game/services/profiles.h"
#include "game/services/save_report.h"
#include <cstdio>

namespace wispwood {

namespace {

// The root section's key that says how many bytes follow the root section.
// It sorts before "current", so it is written second; a file cut anywhere
// after it holds fewer bytes than it says.
const char* const kLengthKey = "bytes";

Text Serialised(const GameFile& file) {
    TMemoryStream out;
    GameFileTextDriver::WriteStream(out, *file.Data);
    return out.Bytes();
}

// Where the root section ends: the start of the first profile's section
// line, or the end of the file.
size_t RootSectionEnd(const Text& bytes) {
    const size_t first = bytes.find('\n');
    if (first == Text::npos) return bytes.size();
    for (size_t line = first + 1; line < bytes.size(); line = bytes.find('\n', line) + 1) {
        if (bytes[line] == '[') return line;
        if (bytes.find('\n', line) == Text::npos) break;
    }
    return bytes.size();
}

// The root section's value for the key, and whether it has one.
bool RootValue(const Text& bytes, const Text& key, Text& value) {
    const size_t end = RootSectionEnd(bytes);
    for (size_t line = 0; line < end;) {
        size_t next = bytes.find('\n', line);
        if (next == Text::npos || next > end) next = end;
        Text text = bytes.substr(line, next - line);
        const size_t equals = text.find('=');
        if (equals != Text::npos && LowerText(TrimText(text.substr(0, equals))) == key) {
            value = TrimText(text.substr(equals + 1));
            return true;
        }
        line = next + 1;
    }
    return false;
}

// Why the bytes are not a whole profiles file, or empty when they are.
// A file this version writes says in its root section how many bytes follow
// it, so a cut anywhere shows. A file of an older version has no such
// count; it is taken when it has its "current" line and ends with a line
// break, as every one it wrote did.
Text WhatIsWrong(const Text& bytes) {
    if (bytes.empty()) return "it is empty";
    if (bytes.find('\0') != Text::npos) return "it holds zero bytes, not text";
    if (bytes.compare(0, 2, "[]") != 0) return "it does not start as a profiles file";
    Text said;
    if (RootValue(bytes, kLengthKey, said)) {
        const size_t rest = bytes.size() - RootSectionEnd(bytes);
        const bool digits = !said.empty() && said.find_first_not_of("0123456789") == Text::npos;
        if (!digits || said != IntToText(static_cast<int>(rest)))
            return "it is cut short (" + IntToText(static_cast<int>(rest)) + " of " + said + " bytes)";
        return Text();
    }
    Text current;
    if (!RootValue(bytes, "current", current) || bytes.back() != '\n') return "it is cut short";
    return Text();
}

Ref<GameFile> ReadGood(const Text& path, Text* wrong = nullptr) {
    Text bytes;
    if (!LoadText(path, bytes)) {
        if (wrong) *wrong = "it cannot be read";
        return nullptr;
    }
    const Text problem = WhatIsWrong(bytes);
    if (wrong) *wrong = problem;
    if (!problem.empty()) return nullptr;
    auto file = GameFile::Create(path);
    if (!file->Read()) {
        if (wrong) *wrong = "it cannot be read";
        return nullptr;
    }
    return file;
}

// The backup, put back in the main file's place so that the files on disk
// are whole again before anything else happens.
Ref<GameFile> FromBackup(const Text& path) {
    auto backup = ReadGood(ProfilesBackupPath());
    if (!backup) return nullptr;
    Text bytes;
    if (LoadText(ProfilesBackupPath(), bytes)) SaveText(path, bytes);
    backup->Path = path;
    return backup;
}

} // namespace

Text ProfilesBackupPath() {
    return BackupPathOf(ProfilesPath());
}

Ref<GameFile> ReadProfilesFile() {
    const Text path = ProfilesPath();
    RemoveStaleTemporaries(path);
    RemoveStaleTemporaries(ProfilesBackupPath());
    Text wrong;
    if (auto main = ReadGood(path, &wrong)) return main;
    if (PathKind(path) == 0) {
        // Gone, not damaged (the folder tidied away): the backup, if one is
        // left, is the player's last saved progress.
        if (auto backup = FromBackup(path)) {
            std::fprintf(stderr, "wispwood: %s is missing; the profiles were loaded from %s\n", path.c_str(),
                         ProfilesBackupPath().c_str());
            return backup;
        }
        return GameFile::Create(path);
    }
    // Damaged: kept aside, never written over.
    const Text aside = SetFileAside(path);
    const Text kept = aside.empty() ? Text("it could not be moved aside") : "it is kept as " + aside;
    if (auto backup = FromBackup(path)) {
        std::fprintf(stderr, "wispwood: %s is damaged (%s); %s, and the profiles were loaded from %s\n",
                     path.c_str(), wrong.c_str(), kept.c_str(), ProfilesBackupPath().c_str());
        return backup;
    }
    // With nothing better, what can still be read of it is more of the
    // player's progress than nothing; the damaged bytes stay where they were
    // put aside.
    std::fprintf(stderr,
                 "wispwood: %s is damaged (%s) and has no good backup; %s, and what it still holds "
                 "was loaded\n",
                 path.c_str(), wrong.c_str(), kept.c_str());
    auto salvaged = GameFile::Create(aside.empty() ? path : aside);
    salvaged->Read();
    salvaged->Path = path;
    return salvaged;
}

void PrepareProfilesSave() {
    // Only a whole file becomes the backup: a damaged one never replaces a
    // good backup.
    if (ReadGood(ProfilesPath())) RefreshBackup(ProfilesPath());
}

int WriteProfilesFile(GameFile& file) {
    file.SetNode("");
    file.AddData(kLengthKey, "0");
    const Text first = Serialised(file);
    file.SetNode("");
    file.AddData(kLengthKey, IntToText(static_cast<int>(first.size() - RootSectionEnd(first))));
    if (SaveText(file.Path, Serialised(file))) return 1;
    ReportSaveFailure(file.Path);
    return 0;
}

Text ProfilesFileProblem(const Text& bytes) {
    return WhatIsWrong(bytes);
}

} // namespace wispwood
