#!/usr/bin/env bash
# Fails when two source files of one library or test binary give the same
# name to a helper of their own (a function, constant, type or alias at the
# top of an anonymous namespace). The files of a target are compiled several
# to a unit, so such names meet: the same signature fails to compile, and a
# different one quietly becomes an overload that a call may pick instead of
# its own file's helper. A helper two files need belongs in a header of the
# layer (or, for tests, in tests/support).
root=${1:-.}
cd "$root" || exit 2
status=0
# Free functions the headers declare: a helper of the same name in a file's
# anonymous namespace meets them too, wherever the header is included first.
declared=$(mktemp)
trap 'rm -f "$declared"' EXIT
find engine framework game -name '*.h' -print0 | xargs -0 awk '
    /^[A-Za-z_][A-Za-z_0-9:<>,*& ]*[ *&][A-Za-z_][A-Za-z_0-9]*[[:space:]]*\(/ && !/^(return|if|for|while|class|struct|namespace|using|typedef|template)/ {
        line = $0; sub(/[[:space:]]*\(.*/, "", line); n = split(line, w, /[ *&]+/); print w[n]
    }' | sort -u > "$declared"
for target in engine framework game/services game/board game/level game/adventure game/app \
    tests/engine tests/framework tests/game tests/tools; do
    [[ -d $target ]] || continue
    duplicates=$(find "$target" -name '*.cpp' -print0 | sort -z | xargs -0 awk -v declared="$declared" '
        BEGIN { while ((getline name < declared) > 0) inHeader[name] = 1 }
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
                if (name != "" && name != "operator") {
                    seen[name] = seen[name] " " FILENAME
                    if ((name in inHeader) && line ~ /\(/) print name ": " FILENAME " (a function of that name is declared in a header)"
                }
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
        echo "Helper names shared by files of $target (rename one, or share the helper through a header):"
        echo "$duplicates"
        status=1
    fi
done
exit $status
