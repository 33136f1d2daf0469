#!/usr/bin/env bash
# Fails when two test files of one test binary give the same name to a
# helper of their own (a function, constant, type or alias at the top of an
# anonymous namespace). The files of a binary are compiled several to a
# unit, so such names meet: the same signature fails to compile, and a
# different one quietly becomes an overload that a call may pick instead of
# its own file's helper. Shared helpers belong in tests/support.
root=${1:-.}
cd "$root" || exit 2
status=0
for binary in engine framework game tools; do
    [[ -d tests/$binary ]] || continue
    duplicates=$(find "tests/$binary" -name '*.cpp' -print0 | sort -z | xargs -0 awk '
        FNR == 1 { depth = 0; anon = -1 }
        {
            line = $0
            sub(/\/\/.*/, "", line)
            if (anon < 0 && line ~ /^[[:space:]]*namespace[[:space:]]*\{/) { anon = depth + 1 }
            else if (anon >= 0 && depth == anon) {
                name = ""
                if (match(line, /^(struct|class|enum( class)?)[[:space:]]+[A-Za-z_][A-Za-z_0-9]*/)) {
                    n = split(substr(line, RSTART, RLENGTH), w, /[[:space:]]+/); name = w[n]
                } else if (match(line, /^using[[:space:]]+[A-Za-z_][A-Za-z_0-9]*[[:space:]]*=/)) {
                    s = substr(line, RSTART + 5, RLENGTH - 6); gsub(/[[:space:]=]/, "", s); name = s
                } else if (match(line, /^(static |inline |constexpr |const )*[A-Za-z_][A-Za-z_0-9:<>,*& ]*[ *&][A-Za-z_][A-Za-z_0-9]*[[:space:]]*(\(|=|\[|\{)/) && line !~ /^(return|if|for|while|else|case|namespace)/) {
                    s = substr(line, RSTART, RLENGTH); sub(/[[:space:]]*[(=[{]$/, "", s)
                    n = split(s, w, /[ *&]+/); name = w[n]
                }
                if (name != "" && name != "operator") seen[name] = seen[name] " " FILENAME
            }
            opens = gsub(/\{/, "{", line); closes = gsub(/\}/, "}", line)
            depth += opens - closes
            if (anon >= 0 && depth < anon) anon = -1
        }
        END {
            for (name in seen) {
                n = split(seen[name], files, " ")
                delete distinct
                count = 0
                for (i = 1; i <= n; i++) if (!(files[i] in distinct)) { distinct[files[i]] = 1; count++ }
                if (count > 1) print name ":" seen[name]
            }
        }')
    if [[ -n "$duplicates" ]]; then
        echo "Helper names shared by test files of tests/$binary (rename one, or move the helper to tests/support):"
        echo "$duplicates"
        status=1
    fi
done
exit $status
