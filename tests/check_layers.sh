#!/usr/bin/env bash
# Fails when a layer includes a layer above it, or code outside engine/
# includes SDL. Layers, lowest first: engine, framework, game.
root=${1:-.}
cd "$root" || exit 2
status=0
check() { # folder, forbidden include pattern, reason
    local hits
    hits=$(grep -rnE --include='*.h' --include='*.cpp' "$2" "$1" 2>/dev/null)
    if [[ -n "$hits" ]]; then
        echo "$3:"; echo "$hits"; status=1
    fi
}
check engine '#include[[:space:]]+"(framework|game)/' "engine includes a higher layer"
check framework '#include[[:space:]]+"game/' "framework includes the game layer"
for dir in framework game tools; do
    check "$dir" '#include[[:space:]]+[<"]SDL' "SDL outside the engine ($dir)"
done
exit $status
